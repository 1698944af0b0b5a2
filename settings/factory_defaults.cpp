#include "settings/factory_defaults.h"

#include <string>

#include "engine/link_cases.h"
#include "model/cell_roles.h"
#include "model/colours.h"
#include "model/main_window.h"
#include "model/pivot_grid.h"
#include "presets/link_presets.h"

namespace kelo {

namespace {

constexpr int kModuleWeights[13] = {8, 12, 1, 7, 1, 12, 6, 10, 10, 12, 5, 8, 3};
constexpr int kModuleWeightsB[13] = {12, 12, 8, 2, 4, 12, 7, 12, 3, 10, 5, 7, 5};
constexpr int kSongFormWeights[15] = {10, 14, 13, 10, 12, 9, 7, 6, 11, 8, 5, 4, 3, 2, 1};
// Item 3 x (p - 1) + n for the chord p before and n after, DO+ 1, FA+ 2, SOL+ 3.
constexpr int kChordWeights[9] = {16, 6, 9, 1, 2, 4, 12, 2, 7};
constexpr int kFinalNoteWeights[4] = {12, 0, 1, 16};  // do', SOL, MI, DO
constexpr int kCadenceWeights[13] = {1, 4, 9, 5, 2, 16, 8, 6, 3, 12, 14, 12, 7};

void defaultModuleList(ControlArray<Label>& switches, ControlArray<Label>& weights, const int (&factory)[13]) {
    weights[FreqInc::Accesi].Caption = "13";
    weights[FreqInc::DaEstrarre].Caption = "6";
    for (int k = 1; k <= 13; ++k) switches[k].BackColor = ColoreAcceso;
    for (int k = 1; k <= 13; ++k) weights[k].Caption = std::to_string(factory[k - 1]);
}

}  // namespace

void DefaultModuli(frmKeloTrundo15& f) { defaultModuleList(f.lblModulo, f.lblFreqInc, kModuleWeights); }

void DefaultModuliB(frmKeloTrundo15& f) { defaultModuleList(f.lblModuloB, f.lblFreIncB, kModuleWeightsB); }

void DefaultIncisi(frmKeloTrundo15& f) {
    for (int k = 1; k <= 15; ++k) f.lblInciso[k].BackColor = ColoreAcceso;
    f.lblFreqIncisi[FreqIncisi::Copy].BackColor = ColoreAcceso;
    f.lblRip.Caption = "10";
    f.lblInciso[Inciso::Accesi].Caption = "15";
    for (int k = 1; k <= 15; ++k) f.lblFreqIncisi[k].Caption = std::to_string(kSongFormWeights[k - 1]);
}

void DefaultAccordi(frmKeloTrundo15& f) {
    for (int k = 1; k <= 9; ++k) f.lblAccordi[k].Caption = std::to_string(kChordWeights[k - 1]);
    for (int k = 1; k <= 4; ++k) f.lblNotafinale[k].Caption = std::to_string(kFinalNoteWeights[k - 1]);
}

void RipristinaCollegamenti(frmKeloTrundo15& f) {
    ImpostaCollegamentiDefault(f);
    CaricaCasoCollegamento(f);
    CaricaPaginaCollegamento(f);
}

void DefaultNote(frmKeloTrundo15& f) {
    for (int item = 1; item <= 130; ++item)
        if (!isForbiddenPivotCell(item)) f.lblNota[item].Caption = std::to_string(factoryPivotWeight(item));
}

void DefaultCadenze(frmKeloTrundo15& f) {
    f.lblCadenza[Cadenza::Accese].Caption = "13";
    for (int k = 1; k <= 13; ++k) f.lblCadenza[k].BackColor = ColoreAcceso;
    for (int k = 1; k <= 13; ++k) f.lblFreCad[k].Caption = std::to_string(kCadenceWeights[k - 1]);
}

void resetAllToFactory(frmKeloTrundo15& f) {
    f.lblScritteVarie[ScritteVarie::NomeProfilo].Caption = kFactoryProfileName;
    DefaultModuli(f);
    DefaultModuliB(f);
    DefaultIncisi(f);
    DefaultAccordi(f);
    RipristinaCollegamenti(f);
    DefaultNote(f);
    DefaultCadenze(f);
}

void lblDefault_MouseDown(frmKeloTrundo15& f, int Index, const MouseArgs&) {
    Label& button = f.lblDefault[Index];
    button.BackColor = ColoreTenuto;
    button.BorderStyle = 1;
    switch (Index) {
    case Default::Tutti: resetAllToFactory(f); break;
    case Default::Moduli: DefaultModuli(f); break;
    case Default::ModuliB: DefaultModuliB(f); break;
    case Default::Incisi: DefaultIncisi(f); break;
    case Default::Accordi: DefaultAccordi(f); break;
    case Default::Collegamenti: RipristinaCollegamenti(f); break;
    case Default::Note: DefaultNote(f); break;
    case Default::Cadenze: DefaultCadenze(f); break;
    default: break;
    }
}

void lblDefault_MouseUp(frmKeloTrundo15& f, int Index, const MouseArgs&) {
    Label& button = f.lblDefault[Index];
    button.BackColor = ColoreDefault;
    button.BorderStyle = 0;
}

}  // namespace kelo
