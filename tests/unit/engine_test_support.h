#pragma once
// A main window on the headless backend for the engine tests, and fixtures that
// put the settings into shapes the design values do not have.
#include <functional>
#include <string>
#include <vector>

#include "app/bind_events.h"
#include "engine/link_cases.h"
#include "engine/pitch_names.h"
#include "model/colours.h"
#include "model/main_window.h"
#include "platform/headless/headless_platform.h"
#include "settings/settings_record.h"

namespace kelo::enginetest {

// The window at its start-up state: design values with the page of link case 2
// on show, a seeded generator and a clock that stands still.
struct EngineWindow {
    explicit EngineWindow(uint64_t seed = 1, int hour = 10, int minute = 17, int second = 42) : f(hp.platform) {
        hp.random.reseedFallback(seed);
        hp.clock.freezeTimeOfDay(true);
        hp.clock.setTimeOfDay(hour, minute, second);
        BindEvents(f);
        CaricaPaginaCollegamento(f);
        f.cmdIncisi.Enabled = true;
    }
    HeadlessPlatform hp;
    frmKeloTrundo15 f;
};

// With the clock at 00:00:00, NumeroCasuale(K) = floor(K u) + 1: the u that gives r.
inline float uFor(int r, int K) { return (static_cast<float>(r) - 0.5f) / static_cast<float>(K); }

// The candidates of each chord in the pivot matrix, with the base of their blocks.
struct PivotBlock {
    const char* chord;
    int base;
    std::vector<const char*> tones;
};
inline const std::vector<PivotBlock>& pivotBlocks() {
    static const std::vector<PivotBlock> blocks = {
        {"DO+", 0, {"DO", "MI", "SOL", "do'"}},
        {"SOL+", 40, {"si", "RE", "SOL", "SI", "re'"}},
        {"FA+", 90, {"DO", "FA", "LA", "do'"}},
    };
    return blocks;
}

// Link case of a (pivot, chord) pair, 1..13.
inline int linkCaseOf(const std::string& pivot, const std::string& chord) {
    for (int n = 1; n <= 13; ++n) {
        const LinkCase& c = kLinkCases[static_cast<size_t>(n - 1)];
        if (pivot == c.pivot && (chord == c.chord || (pivot != "DO" && pivot != "SOL" && pivot != "do'")))
            return n;
    }
    return 0;
}

// The shape of the factory link weights: every transition the pivot matrix
// forbids is a row of eight "X" in the bank; a few single figures are forbidden
// too, and the other weights vary.
inline void putForbiddenRows(frmKeloTrundo15& f) {
    for (int i = 81; i <= 1120; ++i) f.lblCollegamento[i].Caption = std::to_string(1 + (i * 7) % 16);
    for (const PivotBlock& b : pivotBlocks())
        for (size_t k = 0; k < b.tones.size(); ++k)
            for (int p = 1; p <= 10; ++p) {
                if (f.lblNota[b.base + p + 10 * static_cast<int>(k)].Caption != "X") continue;
                int n = linkCaseOf(b.tones[k], b.chord);
                for (int c = 1; c <= 8; ++c) f.lblCollegamento[80 * n + 8 * (p - 1) + c].Caption = "X";
            }
    // Single forbidden figures in rows that stay open.
    for (int n = 1; n <= 13; ++n) f.lblCollegamento[80 * n + 8 * (n % 10) + 1 + n % 8].Caption = "X";
    CaricaPaginaCollegamento(f);
}

// Every setting as the settings record holds it, to prove a failed draw changed none.
inline std::string settingsSnapshot(frmKeloTrundo15& f) { return formatRecord(collectSettingsRecord(f)); }

// Switches a list of cells on or off by background.
inline void setSwitches(ControlArray<Label>& a, int lo, int hi, bool on) {
    for (int i = lo; i <= hi; ++i) a[i].BackColor = on ? ColoreAcceso : ColoreSpento;
}

// Leaves exactly the given module rows of one list on, keeping its count right.
inline void onlyModules(ControlArray<Label>& list, ControlArray<Label>& weights, std::vector<int> rows,
                        int poolSize) {
    setSwitches(list, 1, 13, false);
    for (int r : rows) list[r].BackColor = ColoreAcceso;
    weights[25].Caption = std::to_string(rows.size());
    weights[26].Caption = std::to_string(poolSize);
}

}  // namespace kelo::enginetest
