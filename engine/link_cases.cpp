#include "engine/link_cases.h"

#include <string>

#include "model/cell_roles.h"
#include "model/main_window.h"
#include "platform/cell_number.h"

namespace kelo {

// clang-format off
const std::array<LinkCase, 13> kLinkCases = {{
    {"SOL+", "si", {"si", "si", "si", "si", "DO", "", "", ""}, {"SOL", "RE", "DO", "si", "si", "", "", ""}},
    {"DO+", "DO", {"DO", "DO", "DO", "DO", "DO", "DO", "RE", "si"}, {"do'", "SOL", "MI", "RE", "si", "DO", "DO", "DO"}},
    {"FA+", "DO", {"DO", "DO", "DO", "DO", "DO", "DO", "RE", "si"}, {"do'", "LA", "FA", "RE", "si", "DO", "DO", "DO"}},
    {"SOL+", "RE", {"RE", "RE", "RE", "RE", "RE", "RE", "MI", "DO"}, {"SI", "SOL", "si", "MI", "DO", "RE", "RE", "RE"}},
    {"DO+", "MI", {"MI", "MI", "MI", "MI", "MI", "MI", "FA", "RE"}, {"do'", "SOL", "DO", "FA", "RE", "MI", "MI", "MI"}},
    {"FA+", "FA", {"FA", "FA", "FA", "FA", "FA", "FA", "SOL", "MI"}, {"do'", "LA", "DO", "SOL", "MI", "FA", "FA", "FA"}},
    {"DO+", "SOL", {"SOL", "SOL", "SOL", "SOL", "SOL", "SOL", "LA", "FA"},
     {"do'", "MI", "DO", "LA", "FA", "SOL", "SOL", "SOL"}},
    {"SOL+", "SOL", {"SOL", "SOL", "SOL", "SOL", "SOL", "SOL", "LA", "FA"},
     {"re'", "SI", "RE", "LA", "FA", "SOL", "SOL", "SOL"}},
    {"FA+", "LA", {"LA", "LA", "LA", "LA", "LA", "LA", "SI", "SOL"}, {"do'", "FA", "DO", "SI", "SOL", "LA", "LA", "LA"}},
    {"SOL+", "SI", {"SI", "SI", "SI", "SI", "SI", "SI", "do'", "LA"}, {"re'", "SOL", "RE", "do'", "LA", "SI", "SI", "SI"}},
    {"DO+", "do'", {"do'", "do'", "do'", "do'", "do'", "do'", "re'", "SI"},
     {"SOL", "MI", "DO", "do'", "re'", "SI", "do'", "do'"}},
    {"FA+", "do'", {"do'", "do'", "do'", "do'", "do'", "do'", "re'", "SI"},
     {"LA", "FA", "DO", "do'", "re'", "SI", "do'", "do'"}},
    {"SOL+", "re'", {"re'", "re'", "re'", "re'", "re'", "do'", "", ""}, {"SI", "SOL", "RE", "re'", "do'", "re'", "", ""}},
}};
// clang-format on

namespace {
// The case number only when the text is exactly "1".."13".
int caseNumber(const std::string& text) { return plainNumberIn(text, 1, 13); }
}  // namespace

void CaricaCasoCollegamento(frmKeloTrundo15& f) {
    int n = caseNumber(f.lblCercaNota[CercaNota::Caso].Caption);
    if (n == 0) return;
    const LinkCase& c = kLinkCases[static_cast<size_t>(n - 1)];
    f.lblCercaNota[CercaNota::Accordo].Caption = c.chord;
    f.lblCercaNota[CercaNota::Perno].Caption = c.pivot;
    for (int k = 1; k <= 8; ++k) f.lblNotaA[k].Caption = c.first[static_cast<size_t>(k - 1)];
    for (int k = 1; k <= 8; ++k) f.lblNotaB[k].Caption = c.second[static_cast<size_t>(k - 1)];
    f.lblCercaNota[CercaNota::Base].Caption = std::to_string(bankBase(n));
}

void CaricaPaginaCollegamento(frmKeloTrundo15& f) {
    int base = val16(f.lblCercaNota[CercaNota::Base].Caption);
    for (int n = 1; n <= 80; ++n) {
        Label& page = f.lblCollegamento[n];
        page.Caption = f.lblCollegamento[add16(base, n)].Caption;
        page.Enabled = page.Caption != "X";
    }
}

void SalvaPaginaVista(frmKeloTrundo15& f) {
    f.lblCopyCollegamento[CopyCollegamento::Caso].Caption = f.lblCercaNota[CercaNota::Caso].Caption;
    f.lblCopyCollegamento[CopyCollegamento::Base].Caption = f.lblCercaNota[CercaNota::Base].Caption;
    f.lblCopyCollegamento[CopyCollegamento::IndiceTenuto].Caption =
        f.lblCollegamento[Collegamento::IndiceTenuto].Caption;
}

void RipristinaPaginaVista(frmKeloTrundo15& f) {
    f.lblCercaNota[CercaNota::Caso].Caption = f.lblCopyCollegamento[CopyCollegamento::Caso].Caption;
    f.lblCercaNota[CercaNota::Base].Caption = f.lblCopyCollegamento[CopyCollegamento::Base].Caption;
    f.lblCollegamento[Collegamento::IndiceTenuto].Caption =
        f.lblCopyCollegamento[CopyCollegamento::IndiceTenuto].Caption;
    CaricaCasoCollegamento(f);
    CaricaPaginaCollegamento(f);
}

}  // namespace kelo
