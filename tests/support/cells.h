#pragma once
// Reading and writing a window's cells in the few shapes the tests need.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "engine/link_cases.h"
#include "engine/pitch_names.h"
#include "model/colours.h"
#include "model/main_window.h"
#include "settings/settings_record.h"

namespace kelo::support {

// With the clock at 00:00:00, NumeroCasuale(K) = floor(K u) + 1: the u that gives r.
inline float uFor(int r, int K) { return (static_cast<float>(r) - 0.5f) / static_cast<float>(K); }

// Every setting as the settings record holds it, to prove a failed draw changed none.
inline std::string settingsSnapshot(frmKeloTrundo15& f) { return formatRecord(collectSettingsRecord(f)); }

// Cells 1.. of an array from "a|b|c": the way joined() shows them.
inline void setColumn(ControlArray<Label>& a, const std::string& values) {
    size_t p = 0;
    for (int j = 1; p <= values.size(); ++j) {
        size_t e = std::min(values.find('|', p), values.size());
        a[j].Caption = values.substr(p, e - p);
        p = e + 1;
    }
}

inline std::string joined(ControlArray<Label>& a, int lo, int hi) {
    std::string s;
    for (int i = lo; i <= hi; ++i) s += (i > lo ? "|" : "") + a[i].Caption;
    return s;
}

// Section s (1..4) as one text: its bars, half-bars (codes, pivots, chords and whether
// they are shown) and note slots.
inline std::string section(frmKeloTrundo15& f, int s) {
    std::string t = joined(f.lblMod, 2 * s - 1, 2 * s) + joined(f.lblDueQuarti, 4 * s - 3, 4 * s) +
                    joined(f.lblPerno, 4 * s - 3, 4 * s) + joined(f.lblArmonie, 4 * s - 3, 4 * s) +
                    joined(f.lblMelos, 8 * s - 7, 8 * s);
    for (int j = 4 * s - 3; j <= 4 * s; ++j) t += f.lblArmonie[j].Visible ? "+" : "-";
    return t;
}

// Switches a list of cells (or lights) on or off by background.
template <class C>
void setSwitches(ControlArray<C>& a, int lo, int hi, bool on) {
    for (int i = lo; i <= hi; ++i) a[i].BackColor = on ? ColoreAcceso : ColoreSpento;
}

// Leaves exactly the given module rows of one list on, keeping its count right.
inline void onlyModules(ControlArray<Label>& list, ControlArray<Label>& weights, std::vector<int> rows, int poolSize) {
    setSwitches(list, 1, 13, false);
    for (int r : rows) list[r].BackColor = ColoreAcceso;
    weights[25].Caption = std::to_string(rows.size());
    weights[26].Caption = std::to_string(poolSize);
}

}  // namespace kelo::support
