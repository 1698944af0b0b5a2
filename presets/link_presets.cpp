#include "presets/link_presets.h"

#include <cstdint>
#include <string>

#include "model/cell_roles.h"
#include "model/main_window.h"

namespace kelo {

namespace {

constexpr int8_t X = 0;  // figure not allowed before that next pivot

// Factory link weights: [case N - 1][next pivot r - 1][figure c - 1].
constexpr int8_t kFactoryLinkWeights[13][10][8] = {
    {
        // case 1, SOL+ si; rows: next pivot si .. re'
        {X, 3, 2, 4, 1, X, X, X},
        {X, 6, 2, 3, 1, X, X, X},
        {2, 3, 6, 4, 1, X, X, X},
        {1, 8, X, 2, X, X, X, X},
        {X, X, X, X, X, X, X, X},
        {2, 8, X, 1, X, X, X, X},
        {X, X, X, X, X, X, X, X},
        {X, X, X, X, X, X, X, X},
        {X, X, X, X, X, X, X, X},
        {X, X, X, X, X, X, X, X},
    },
    {
        // case 2, DO+ DO; rows: next pivot si .. re'
        {X, X, X, X, 2, 8, 5, 1},
        {X, X, 6, 12, 2, 8, 4, 1},
        {X, X, 12, 4, X, 6, 1, 1},
        {X, 4, 2, 16, X, 4, 1, 1},
        {X, 4, 2, X, X, 1, X, X},
        {1, 8, 16, X, X, 4, X, X},
        {X, X, 1, X, X, 2, X, X},
        {X, X, X, X, X, X, X, X},
        {1, 6, X, X, X, 2, X, X},
        {X, X, X, X, X, X, X, X},
    },
    {
        // case 3, FA+ DO; rows: next pivot si .. re'
        {X, X, X, 6, 2, 9, 4, 1},
        {X, X, 2, 12, 6, 8, 6, 1},
        {X, X, 2, 5, X, 6, 4, 1},
        {X, X, 12, 16, X, 3, 5, 1},
        {X, 12, 6, 2, X, 4, 1, X},
        {X, 2, 1, X, X, X, X, X},
        {X, X, 6, X, X, 1, X, X},
        {X, X, X, X, X, X, X, X},
        {1, X, X, X, X, 3, X, X},
        {X, X, X, X, X, X, X, X},
    },
    {
        // case 4, SOL+ RE; rows: next pivot si .. re'
        {X, 8, 4, X, 16, 6, 2, X},
        {X, 12, 16, X, 3, 6, 8, X},
        {X, 1, 8, 16, 1, 4, 2, X},
        {X, 12, 1, 3, X, 6, 3, X},
        {X, 2, X, 4, X, 1, X, X},
        {6, 3, 1, 4, X, 3, 2, X},
        {12, 8, X, X, X, 4, 1, X},
        {2, 4, X, X, X, 1, X, X},
        {X, X, X, X, X, X, X, X},
        {X, 2, X, X, X, 1, X, X},
    },
    {
        // case 5, DO+ MI; rows: next pivot si .. re'
        {X, X, 8, X, X, 1, X, X},
        {X, 10, 2, X, 16, 4, X, X},
        {X, 8, 16, X, 3, 6, 2, 1},
        {X, 12, 8, 4, 16, 4, 1, 2},
        {X, 16, 12, 2, X, 8, 1, 4},
        {2, 8, 12, 16, X, 6, X, 1},
        {2, 4, 1, X, X, 1, X, X},
        {4, 2, X, X, X, 1, X, X},
        {1, 16, 4, X, X, 2, X, X},
        {X, X, X, X, X, X, X, X},
    },
    {
        // case 6, FA+ FA; rows: next pivot si .. re'
        {X, X, 4, 1, X, X, X, X},
        {X, 6, 8, X, 2, 4, 1, X},
        {X, 4, 12, X, 16, 8, 1, X},
        {X, 3, 5, X, 4, 6, 8, 1},
        {X, 1, 2, 3, 4, 6, 5, 6},
        {X, 16, X, 4, X, 6, 2, 12},
        {8, 6, 1, 16, X, 4, 1, 2},
        {3, 1, X, X, X, X, X, X},
        {4, 16, 2, X, X, 8, X, 1},
        {2, 4, X, X, X, 1, X, X},
    },
    {
        // case 7, DO+ SOL; rows: next pivot si .. re'
        {X, X, 4, X, X, 1, X, X},
        {4, 16, 1, X, X, 8, X, X},
        {X, 16, 12, X, X, 6, 1, X},
        {10, 4, 8, X, 16, 6, 2, 1},
        {4, 16, 6, X, 2, 6, 10, 1},
        {2, 12, 1, 16, 2, 8, 4, 1},
        {4, 2, 1, 3, X, 10, 8, 2},
        {16, X, X, 12, X, 4, 1, X},
        {8, 12, 6, 4, X, 16, 1, X},
        {6, X, X, X, X, 1, X, X},
    },
    {
        // case 8, SOL+ SOL; rows: next pivot si .. re'
        {X, X, 8, X, X, 1, X, X},
        {X, X, 4, X, X, 12, X, 1},
        {X, 12, 4, X, 2, 8, X, 1},
        {X, X, 16, X, 16, 8, 1, 3},
        {X, X, 8, X, 1, 12, 4, X},
        {X, 2, 8, 12, X, 4, 1, 1},
        {2, 16, 2, 4, X, 12, 6, 1},
        {12, 8, 4, 16, X, 6, 1, X},
        {12, 16, X, 4, X, 6, 1, X},
        {1, 16, 4, X, X, 8, X, X},
    },
    {
        // case 9, FA+ LA; rows: next pivot si .. re'
        {X, X, X, X, X, X, X, X},
        {X, 16, 6, X, X, 4, X, 1},
        {X, 8, 16, X, X, 4, X, 1},
        {X, 10, 16, X, 4, 2, X, 1},
        {8, 6, 12, X, 16, 4, X, 1},
        {10, 16, X, X, 6, 8, X, 3},
        {4, 6, 1, X, 16, 8, X, 10},
        {16, X, X, 4, X, 8, 1, 1},
        {3, 6, X, 16, X, 4, X, 2},
        {16, X, X, X, X, 8, X, 1},
    },
    {
        // case 10, SOL+ SI; rows: next pivot si .. re'
        {X, X, X, X, X, X, X, X},
        {X, X, X, X, X, X, X, X},
        {1, 16, 6, X, X, 4, X, X},
        {X, 16, X, X, X, 10, X, 1},
        {X, X, X, X, X, X, X, X},
        {4, 2, 4, X, 16, 3, X, 1},
        {X, 16, X, X, 5, 5, 2, 3},
        {6, 4, X, 1, 16, 12, 1, 4},
        {16, 5, X, 2, X, 5, 2, 2},
        {5, 6, X, 16, X, 4, X, 1},
    },
    {
        // case 11, DO+ do'; rows: next pivot si .. re'
        {X, X, X, X, X, X, X, X},
        {12, X, 1, 4, X, X, X, 1},
        {X, X, X, X, X, X, X, X},
        {16, 2, X, 4, X, X, X, 1},
        {2, 2, 1, 1, X, X, X, X},
        {1, 16, X, 1, 2, 2, 2, 2},
        {12, 1, X, 4, X, 16, X, 4},
        {2, X, X, 8, 1, 4, 16, 8},
        {1, X, X, 2, 2, 16, 2, 8},
        {1, X, X, 4, 4, X, 16, 16},
    },
    {
        // case 12, FA+ do'; rows: next pivot si .. re'
        {X, X, X, X, X, X, X, X},
        {X, 1, 1, 8, X, X, X, X},
        {X, X, X, X, X, X, X, X},
        {4, X, X, 2, X, X, 1, 1},
        {16, 2, 4, 4, X, X, 2, 1},
        {4, 4, X, 1, 2, X, X, X},
        {4, 16, 1, 8, X, 8, 1, 1},
        {16, X, X, 10, 1, 6, 10, 3},
        {6, X, X, 8, 12, 16, 4, 4},
        {3, X, X, 6, 8, X, 16, 10},
    },
    {
        // case 13, SOL+ re'; rows: next pivot si .. re'
        {X, X, X, X, X, X, X, X},
        {6, 1, X, X, X, X, X, X},
        {X, 8, 1, 4, X, X, X, X},
        {X, X, X, X, X, X, X, X},
        {X, 6, X, 1, X, X, X, X},
        {16, 1, 8, 4, X, X, X, X},
        {4, 4, X, 1, X, X, X, X},
        {4, 8, X, 8, 16, 1, X, X},
        {12, 2, X, 4, 1, X, X, X},
        {16, X, X, 8, 5, 3, X, X},
    },
};

// Next pivots that may never follow a case (whole rows of "X").
constexpr bool closedRow(int n, int r) {
    switch (n) {
    case 1: return r == 5 || r >= 7;
    case 2:
    case 3: return r == 8 || r == 10;
    case 4: return r == 9;
    case 5: return r == 10;
    case 9: return r == 1;
    case 10: return r == 1 || r == 2 || r == 5;
    case 11:
    case 12: return r == 1 || r == 3;
    case 13: return r == 4;
    default: return false;
    }
}

// Writes all 1040 bank cells in ascending order, each with caption(n, r, c).
template <class Caption>
void writeBank(frmKeloTrundo15& f, Caption caption) {
    for (int n = 1; n <= 13; ++n)
        for (int r = 1; r <= 10; ++r)
            for (int c = 1; c <= 8; ++c) f.lblCollegamento[bankCell(n, r, c)].Caption = caption(n, r, c);
}

}  // namespace

bool isMissingLinkFigure(int n, int c) { return (n == 1 && c >= 6) || (n == 13 && c >= 7); }

bool isStructuralLinkCell(int n, int r, int c) { return isMissingLinkFigure(n, c) || closedRow(n, r); }

int factoryLinkWeight(int n, int r, int c) { return kFactoryLinkWeights[n - 1][r - 1][c - 1]; }

void ImpostaCollegamentiDefault(frmKeloTrundo15& f) {
    writeBank(f, [](int n, int r, int c) {
        int w = factoryLinkWeight(n, r, c);
        return w == X ? std::string("X") : std::to_string(w);
    });
}

void ImpostaCollegamentiUniformi(frmKeloTrundo15& f) {
    writeBank(f, [](int n, int r, int c) { return std::string(isStructuralLinkCell(n, r, c) ? "X" : "1"); });
}

void AzzeraCollegamenti(frmKeloTrundo15& f) {
    writeBank(f, [](int n, int r, int c) { return std::string(isStructuralLinkCell(n, r, c) ? "X" : ""); });
}

}  // namespace kelo
