#include "settings/link_page_editor.h"

#include "engine/link_cases.h"
#include "model/cell_access.h"
#include "model/cell_roles.h"
#include "settings/held_stepper.h"

namespace kelo {

namespace {

using W = frmKeloTrundo15;
constexpr Colour kBackwards = ColoreTenuto;  // the direction flag after "<"
constexpr Colour kForwards = ColoreVerde;    // after ">"

// Page cell `index` into the bank cell of the case on show. A forbidden link stays
// forbidden, whatever a page left behind by a reload may show.
void writeToBank(frmKeloTrundo15& f, const HeldStepper&, int index) {
    Label& bank = f.lblCollegamento[add16(number(f.lblCercaNota[CercaNota::Base]), index)];
    if (bank.Caption != "X") bank.Caption = f.lblCollegamento[index].Caption;
}

const HeldStepper kPage{.cells = &W::lblCollegamento,
                        .first = 1,
                        .last = 80,
                        .heldItem = Collegamento::IndiceTenuto,
                        .timer = &W::TmrCollegamento,
                        .step = stepHeldWeight,
                        .released = writeToBank};

// Case n moved by one, 13 and 1 next to each other.
int nextCase(int n, int by) { return ((n - 1 + by) % 13 + 13) % 13 + 1; }

void loadCaseAndPage(frmKeloTrundo15& f) {
    CaricaCasoCollegamento(f);
    CaricaPaginaCollegamento(f);
}

}  // namespace

void lblCollegamento_MouseDown(frmKeloTrundo15& f, int Index, const MouseArgs&) { pressHeld(f, kPage, Index); }
void lblCollegamento_MouseUp(frmKeloTrundo15& f, int Index, const MouseArgs&) { releaseHeld(f, kPage, Index); }
void TmrCollegamento_Timer(frmKeloTrundo15& f) { tickHeld(f, kPage); }

void ScriviCollegamentoTenuto(frmKeloTrundo15& f) {
    if (f.TmrCollegamento.Enabled()) writeToBank(f, kPage, number(f.lblCollegamento[Collegamento::IndiceTenuto]));
}

void lblCercaNota_MouseDown(frmKeloTrundo15& f, int Index, const MouseArgs&) {
    if (Index < 0 || Index > CercaNota::Perno) return;  // the base and the direction flag are hidden
    showHeld(f.lblCercaNota[Index]);
    if (Index == CercaNota::Indietro || Index == CercaNota::Avanti) {
        const bool back = Index == CercaNota::Indietro;
        Label& shown = f.lblCercaNota[CercaNota::Caso];
        setNumber(shown, nextCase(number(shown), back ? -1 : 1));
        f.lblCercaNota[CercaNota::Direzione].BackColor = back ? kBackwards : kForwards;
        f.TmrPagina.SetEnabled(true);
    }
    loadCaseAndPage(f);
}

void lblCercaNota_MouseUp(frmKeloTrundo15& f, int Index, const MouseArgs&) {
    if (Index < 0 || Index > CercaNota::Perno) return;
    showAtRest(f.lblCercaNota[Index], ColoreFreccia);
    f.TmrPagina.SetEnabled(false);
    loadCaseAndPage(f);
}

void TmrPagina_Timer(frmKeloTrundo15& f) {
    Label& shown = f.lblCercaNota[CercaNota::Caso];
    int n = nextCase(number(shown), f.lblCercaNota[CercaNota::Direzione].BackColor == kBackwards ? -1 : 1);
    setNumber(shown, n);
    const LinkCase& c = kLinkCases[static_cast<size_t>(n - 1)];
    setNumber(f.lblCercaNota[CercaNota::Base], bankBase(n));
    f.lblCercaNota[CercaNota::Perno].Caption = c.pivot;
    f.lblCercaNota[CercaNota::Accordo].Caption = c.chord;
}

}  // namespace kelo
