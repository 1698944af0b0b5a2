// The hidden panels: the engine panel, the scratch panels that are never shown
// and the frame that holds the link bank; and the developer buttons on them.
#include "model/design/design_kit.h"
#include "model/design/regions.h"
#include "model/main_window.h"

namespace kelo::design {

namespace {

void devButton(CommandButton& b, const char* caption, float left, float top, float width = 1695) {
    b.place(left, top, width, 375);
    b.Caption = caption;
}

// A working cell on a developer panel: white, centred, in the plain font.
void panelCell(Label& c, float left, float top, float width = 495) {
    c.place(left, top, width, 255);
    c.Font = kSmallFont;
    c.Alignment = Align::Center;
}

// The engine panel shows the melody as the sequencer sees it, one column per note
// slot (390 twips), with the half-bars and bars above and the 64 steps below it.
void enginePanel(frmKeloTrundo15& f) {
    constexpr float slot = 390, first = 240;
    auto slotLeft = [&](int k) { return first + slot * static_cast<float>(k - 1); };

    devButton(f.cmdRicercaNotePerno, "Ricerca Note Perno", 240, 120);
    devButton(f.cmdTrovaNotePerno, "Trova Note Perno", 2040, 120);
    devButton(f.cmdScegliCollegamento2, "Command3", 3840, 120);
    devButton(f.cmdAudio, "Audio", 5640, 120, 1095);
    devButton(f.cmdScegliPrimiModuli, "Scegli Primi Moduli", 6840, 120);
    devButton(f.cmdScegliPrimiModuli2, "Scegli Secondi Moduli", 8640, 120);
    f.cmdScegliPrimiModuli.Visible = false;
    f.cmdScegliPrimiModuli2.Visible = false;

    for (int b = 1; b <= 8; ++b) panelCell(f.lblMod[b], slotLeft(4 * b - 3), 720, 4 * slot - 15);
    for (int j = 1; j <= 16; ++j) {
        float left = slotLeft(2 * j - 1), width = 2 * slot - 15;
        panelCell(f.lblDueQuarti[j], left, 1080, width);
        panelCell(f.lblPerno[j], left, 1440, width);
        panelCell(f.lblAccomp[j], left, 1800, width);
    }
    for (int k = 1; k <= 32; ++k) {
        panelCell(f.lblMelos[k], slotLeft(k), 2160, slot - 15);
        // Each note slot is two steps of an eighth: the first above, the second below.
        panelCell(f.lblStep[2 * k - 1], slotLeft(k), 2520, slot - 15);
        panelCell(f.lblStep[2 * k], slotLeft(k), 2820, slot - 15);
    }

    // The drawn song form with its letters, the drawn cadence, the variant and its title.
    panelCell(f.lblInciso[23], 240, 3360, 855);
    for (int i = 24; i <= 27; ++i) panelCell(f.lblInciso[i], 1200 + 300 * static_cast<float>(i - 24), 3360, 255);
    panelCell(f.lblCadenza[14], 2520, 3360, 1575);
    f.lblCadenza[14].Font = kSmallFont;
    panelCell(f.lblNumeroVariante, 4320, 3360);
    panelCell(f.lblCopiaTitolo, 4920, 3360, 4695);

    // Counters of the reveal and the sequencer, held indices, pivot test inputs.
    Label* counters[] = {&f.lblStoComponendo, &f.lblIncrementa,  &f.lblMem,   &f.lblStepAudio,
                         &f.lblIndiceAcc,     &f.lblCommandPrec, &f.lblCoeff, &f.lblCoeffAcc,
                         &f.lblRipetizioni,   &f.lblPrecedente,  &f.lblResto};
    float left = 240;
    for (Label* c : counters) {
        panelCell(*c, left, 3840);
        left += 600;
    }
    Label* inputs[] = {&f.lblFreqInc[0],          &f.lblFreIncB[0],          &f.lblAccordoEsaminato,
                       &f.lblNotaEsaminata,       &f.lblNotaPernoScelta,     &f.lblModo,
                       &f.lblCopyCollegamento[0], &f.lblCopyCollegamento[1], &f.lblCopyCollegamento[2]};
    left = 240;
    for (Label* c : inputs) {
        panelCell(*c, left, 4320);
        left += 600;
    }
    panelCell(f.lblDir, 5640, 4320, 4695);
}

// Title, persona, final-note and link scratch: a tidy column that nobody sees.
void scratchPanel(frmKeloTrundo15& f) {
    for (int i = 0; i <= 24; ++i) {
        const int row = i / 5, column = i % 5;
        panelCell(f.lblScegliTitolo[i], 120 + 525 * static_cast<float>(column), 120 + 330 * static_cast<float>(row));
    }
    Label* persona[] = {&f.lblTipologiaTitolo, &f.lblKelo[0], &f.lblKeloPrecedente, &f.lblK};
    for (int i = 0; i < 4; ++i) panelCell(*persona[i], 120 + 525 * static_cast<float>(i), 1920);
    for (int i = 0; i <= 4; ++i) {
        float left = 120 + 525 * static_cast<float>(i);
        panelCell(f.lblFine[i], left, 2400);
        panelCell(f.lblMinFine[i], left, 2730);
        panelCell(f.lblMaxFine[i], left, 3060);
    }
    for (int i = 0; i <= 9; ++i) {
        float top = 3600 + 330 * static_cast<float>(i);
        if (f.lblNotaAScelta.has(i)) panelCell(f.lblNotaAScelta[i], 120, top, 555);
        if (f.lblNotaBScelta.has(i)) panelCell(f.lblNotaBScelta[i], 765, top, 555);
        if (f.lblValMin.has(i)) panelCell(f.lblValMin[i], 1410, top, 555);
        panelCell(f.lblValMax[i], 2055, top, 555);
    }
    panelCell(f.lblCasualeCollegamento, 120, 7200, 555);
    panelCell(f.lblNotaPartenza, 765, 7200, 555);

    devButton(f.cmdScegliCollegamento, "Scegli Collegamento", 120, 8400, 2175);
    devButton(f.cmdKelo, "Kelo", 120, 8880, 1095);
    devButton(f.cmdTitoli, "Titoli", 120, 9360, 1095);
    devButton(f.Command4, "Command4", 1320, 9360, 1095);
}

}  // namespace

void panels(frmKeloTrundo15& f) {
    Frame& engine = f.Frame3;
    engine.place(-1560, 6720, 13335, 5535);
    engine.BackColor = ColoreVerde;
    engine.Border = true;
    engine.Visible = false;
    enginePanel(f);

    Frame& scratch = f.Frame5;
    scratch.place(15240, -720, 2775, 10095);
    scratch.Visible = false;
    scratchPanel(f);

    // Never shown: placed below the canvas.
    Frame* never[] = {&f.Frame4, &f.Frame6, &f.FraModulo1, &f.Frame2, &f.Frame1[0], &f.Frame1[1]};
    float top = 12000;
    for (Frame* fr : never) {
        fr->place(0, top, 15000, 6000);
        fr->Visible = false;
        top += 6000;
    }

    devButton(f.Command1, "Riazzera", 120, 120);
    devButton(f.Command2, "Command2", 1920, 120);
    devButton(f.cmdScegliArmonie, "Scegli Armonie", 3720, 120);
    devButton(f.cmdScegliInciso, "Scegli Inciso", 5520, 120);
    devButton(f.cmdScegliInciso2, "Scegli Inciso 2", 7320, 120);
    devButton(f.cmdTuttieQuattro, "Tutti e Quattro", 9120, 120);
    devButton(f.cmdScegliCadenza, "Scegli Cadenza", 120, 120);
    devButton(f.cmdExp, "Exp", 120, 120, 735);
    devButton(f.cmdSelezionaModuli, "Seleziona Moduli", 960, 120);
    devButton(f.cmdAssegnaModuli, "Assegna Moduli", 2760, 120);
    devButton(f.cmdExp2, "Exp", 120, 120, 735);
}

}  // namespace kelo::design
