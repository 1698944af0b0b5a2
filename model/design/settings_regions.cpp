// The settings tables on the canvas: rhythm modules, song forms, chords and
// final notes, cadences and pivot-note weights.
#include <string>

#include "model/cell_roles.h"
#include "model/design/design_kit.h"
#include "model/design/regions.h"
#include "model/main_window.h"
#include "model/pivot_grid.h"

namespace kelo::design {

namespace {
constexpr const char* kModules[13] = {"4",     "2 2",     "2 P 1",   "P 1 RP", "1 P 1 1", "2 1 1", "RP 2",
                                      "1 1 2", "P 1 1 1", "1 1 1 1", "1 1 RP", "RP 1 1",  "RP RP"};
constexpr const char* kForms[15] = {"AAAA", "AAAB", "AABA", "ABAA", "AABB", "ABAB", "ABBA", "ABBB",
                                    "AABC", "ABAC", "ABBC", "ABCA", "ABCB", "ABCC", "ABCD"};
constexpr const char* kCadences[13] = {"DO DO DO DO",  "DO DO FA DO",   "DO DO SOL DO",  "DO FA DO DO", "DO FA FA DO",
                                       "DO FA SOL DO", "DO SOL DO DO",  "DO SOL SOL DO", "FA FA DO DO", "FA FA SOL DO",
                                       "FA SOL DO DO", "FA SOL SOL DO", "SOL SOL DO DO"};
}  // namespace

void moduleRegion(frmKeloTrundo15& f) {
    for (int k = 1; k <= 13; ++k) {
        float top = 1440 + 340 * (k - 1);
        switchCell(f.lblModulo[k], 240, top, 735, kModules[k - 1]);
        switchCell(f.lblModuloB[k], 1680, top, 735, kModules[k - 1]);
        weightCell(f.lblFreqInc[k], 1080, top, "16");
        weightCell(f.lblFreIncB[k], 2520, top, "16");
    }
    // Held indices of the module weights; they sit on the engine panel.
    f.lblFreqInc[0].Caption = "1";
    f.lblFreIncB[0].Caption = "1";
    for (auto* list : {&f.lblFreqInc, &f.lblFreIncB}) {
        Label& count = (*list)[25];
        hiddenCell(count, "13");
        count.Enabled = false;
    }
    weightCell(f.lblFreqInc[26], 1080, 6000, "6");
    weightCell(f.lblFreIncB[26], 2520, 6000, "4");
}

void songFormRegion(frmKeloTrundo15& f) {
    constexpr float tops[8] = {1440, 1782, 2124, 2466, 2808, 3150, 3492, 3840};
    for (int k = 1; k <= 15; ++k) {
        bool first = k <= 8;
        int row = first ? k - 1 : k - 9;
        float top = k == 14 ? 3120 : tops[row];
        float left = first ? 12480 : 13800;
        switchCell(f.lblInciso[k], left, top, 855, kForms[k - 1]);
        weightCell(f.lblFreqIncisi[k], left + 960, top, "16");
    }
    hiddenCell(f.lblInciso[0]);
    hiddenCell(f.lblInciso[16], "15");
    switchCell(f.lblFreqIncisi[0], 13800, 3840, 855, "Copy");
    hiddenCell(f.lblFreqIncisi[16], "1");
    weightCell(f.lblRip, 14760, 3840, "12");
}

void chordRegion(frmKeloTrundo15& f) {
    constexpr const char* design[10] = {"1", "16", "4", "8", "1", "1", "2", "12", "1", "6"};
    hiddenCell(f.lblAccordi[0], "1");
    // Rows top to bottom and columns left to right both run DO+, SOL+, FA+;
    // the item number counts DO+ 1, FA+ 2, SOL+ 3.
    constexpr int order[3] = {1, 3, 2};
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            int item = 3 * (order[row] - 1) + order[col];
            weightCell(f.lblAccordi[item], 13000 + 435 * col, 5280 + 360 * row, design[item]);
        }
    constexpr const char* finals[5] = {"1", "12", "1", "2", "16"};
    hiddenCell(f.lblNotafinale[0], "1");
    for (int k = 1; k <= 4; ++k) weightCell(f.lblNotafinale[k], 14760, 4920 + 360 * (k - 1), finals[k]);
}

void cadenceRegion(frmKeloTrundo15& f) {
    hiddenCell(f.lblCadenza[0], "13");
    f.lblCadenza[14].Caption = "";  // the drawn cadence, shown on the engine panel
    hiddenCell(f.lblFreCad[0], "1");
    for (int k = 1; k <= 13; ++k) {
        float top = 7080 + 330 * (k - 1);
        switchCell(f.lblCadenza[k], 7080, top, 1575, kCadences[k - 1]);
        weightCell(f.lblFreCad[k], 8760, top, "16");
    }
}

void pivotRegion(frmKeloTrundo15& f) {
    hiddenCell(f.lblNota[0], "1");
    for (int j = 1; j <= 13; ++j)
        for (int p = 1; p <= 10; ++p) {
            int item = pivotCell(j, p);
            Label& c = f.lblNota[item];
            // The design grid is the factory grid.
            bool forbidden = isForbiddenPivotCell(item);
            weightCell(c, 240 + 480 * (j - 1), 11040 - 360 * (p - 1), "X");
            if (!forbidden) c.Caption = std::to_string(factoryPivotWeight(item));
            c.Enabled = !forbidden;
        }
}

}  // namespace kelo::design
