#include "engine/melodic_links.h"

#include <string>
#include <string_view>

#include "engine/link_cases.h"
#include "engine/pitch_names.h"
#include "engine/weighted_draw.h"
#include "model/cell_access.h"
#include "model/cell_roles.h"
#include "model/main_window.h"

namespace kelo {

namespace {

// The link case of a (pivot, chord) pair; 0 for a pivot that is no pitch name.
int linkCase(std::string_view pivot, std::string_view chord) {
    bool major = chord == "DO+";
    switch (pitchNumber(pivot)) {
    case 1: return 1;
    case 2: return major ? 2 : 3;
    case 3: return 4;
    case 4: return 5;
    case 5: return 6;
    case 6: return major ? 7 : 8;
    case 7: return 9;
    case 8: return 10;
    case 9: return major ? 11 : 12;
    case 10: return 13;
    default: return 0;
    }
}

void setSlot(frmKeloTrundo15& f, int slot, std::string_view text) {
    // A half-bar 16 that links or holds over has no slots after it; they are dropped.
    if (slot <= 32) f.lblMelos[slot].Caption = text;
}

// Clears the link scratch and names the pivot of half-bar j as the one linked.
void startDraw(frmKeloTrundo15& f, int j) {
    for (int i = 0; i <= 8; ++i) {
        f.lblNotaAScelta[i].Caption.clear();
        f.lblNotaBScelta[i].Caption.clear();
    }
    for (int i = 1; i <= 8; ++i) {
        f.lblValMin[i].Caption.clear();
        f.lblValMax[i].Caption.clear();
    }
    f.lblCasualeCollegamento.Caption.clear();
    f.lblValMax[ValMax::Totale].Caption.clear();
    f.lblNotaPartenza.Caption = f.lblPerno[j].Caption;
}

// The allowed figures of page row `row` (the case on show before one next pivot),
// compacted with their ranges, and the drawn one in item 0 of the note scratch.
// False when the row allows no figure with a weight: nothing is drawn.
bool drawRow(frmKeloTrundo15& f, int row) {
    WeightedDraw figures("lblCollegamento (link figures)");
    for (int c = 1; c <= 8; ++c) {
        const Label& w = f.lblCollegamento[pageCell(row, c)];
        if (w.Caption == "X") continue;
        int m = figures.add(number(w), f.lblValMin, f.lblValMax);
        f.lblNotaAScelta[m].Caption = f.lblNotaA[c].Caption;
        f.lblNotaBScelta[m].Caption = f.lblNotaB[c].Caption;
        setNumber(f.lblValMax[ValMax::Totale], figures.total());
    }

    if (figures.total() < 1) return false;
    if (int m = figures.draw(f, f.lblCasualeCollegamento)) {
        f.lblNotaAScelta[NotaScelta::Estratta].Caption = f.lblNotaAScelta[m].Caption;
        f.lblNotaBScelta[NotaScelta::Estratta].Caption = f.lblNotaBScelta[m].Caption;
    }
    return true;
}

// The figure draw of half-bar j over the row of the next pivot. `row` carries the
// row on to the next half-bar when a next pivot is no pitch name. A row without
// any weight to draw from gives the pivot and "" (the half-bar sounds as a "2").
void drawFigure(frmKeloTrundo15& f, int j, int& row, std::string_view& first, std::string_view& second) {
    startDraw(f, j);
    if (int n = linkCase(f.lblPerno[j].Caption, f.lblArmonie[j].Caption)) setNumber(f.lblCercaNota[CercaNota::Caso], n);
    CaricaCasoCollegamento(f);
    CaricaPaginaCollegamento(f);

    if (j < 16)
        if (int r = pitchNumber(f.lblPerno[j + 1].Caption)) row = r;

    if (!drawRow(f, row)) {
        // The bank forbids every figure before this next pivot (a section copy can
        // lead here): keep the pivot alone instead of drawing from nothing.
        first = f.lblPerno[j].Caption;
        second = {};
        return;
    }
    first = f.lblNotaAScelta[NotaScelta::Estratta].Caption;
    second = f.lblNotaBScelta[NotaScelta::Estratta].Caption;
}

}  // namespace

void cmdScegliCollegamento2_Click(frmKeloTrundo15& f) {
    int row = 1;
    for (int j = 1; j <= 16; ++j) {
        const std::string& code = f.lblDueQuarti[j].Caption;
        const int slot = 2 * j - 1;
        if (code == "1 1" || code == "RP" || code == "3") {
            std::string_view a, b;
            drawFigure(f, j, row, a, b);
            if (code == "3") {
                setSlot(f, slot, a);
                setSlot(f, slot + 1, "");
                setSlot(f, slot + 2, "");
                setSlot(f, slot + 3, b);
            } else {
                setSlot(f, slot, a);
                setSlot(f, slot + 1, b);
            }
        } else if (code == "2" || code == "1 P") {
            setSlot(f, slot, f.lblPerno[j].Caption);
            setSlot(f, slot + 1, "");
        } else if (code == "P 1" || code == "1") {
            setSlot(f, slot, "");
            setSlot(f, slot + 1, f.lblPerno[j].Caption);
        } else if (code == "4") {
            setSlot(f, slot, f.lblPerno[j].Caption);
            setSlot(f, slot + 1, "");
            setSlot(f, slot + 2, "");
            setSlot(f, slot + 3, "");
        }
    }
}

void cmdScegliCollegamento_Click(frmKeloTrundo15& f) {
    for (int j = 1; j <= 16; ++j) {
        startDraw(f, j);
        drawRow(f, 1);
        setSlot(f, 2 * j - 1, f.lblNotaAScelta[1].Caption);
        setSlot(f, 2 * j, f.lblNotaBScelta[2].Caption);
    }
}

}  // namespace kelo
