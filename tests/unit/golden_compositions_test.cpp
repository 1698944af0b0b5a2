// Whole compositions pinned as the melody records they leave: a seeded generator
// and a clock that stands still, the compose button pressed again and again, each
// melody revealed (its title, accompaniment and playback steps in place). Together
// the scenarios draw every cadence, the two that only the whole-note rewrite
// gives, many song forms with and without the section copy, nested restarts,
// whole notes at half-bars 13 and 15, random tempos (twice in a restarted press),
// link figures without notes (the design bank allows them) and all 13 link cases.
// KELO_WRITE_GOLDEN=1 writes the files anew (and fails, so that they get read).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "model/colours.h"
#include "platform/text_encoding.h"
#include "support/cells.h"
#include "support/headless_program.h"
#include "support/record_lines.h"
#include "support/test_window.h"

using namespace kelo;
using namespace kelo::support;

namespace {

struct Scenario {
    const char* name;
    bool factory;
    uint64_t seed;
    TimeOfDay clock;
    int presses;
    std::function<void(frmKeloTrundo15&)> tweak;
};

void onlyCadences(frmKeloTrundo15& f, std::vector<int> on) {
    setSwitches(f.lblCadenza, 1, 13, false);
    for (int i : on) f.lblCadenza[i].BackColor = ColoreAcceso;
    f.lblCadenza[0].Caption = std::to_string(on.size());
}

const Scenario kScenarios[] = {
    {"factory", true, 102, {10, 17, 42}, 5, [](frmKeloTrundo15&) {}},
    {"random-tempo-copy-always",
     true,
     211,
     {21, 48, 7},
     6,
     [](frmKeloTrundo15& f) {
         f.lblPulsante[5].BackColor = ColoreAcceso;  // "Random"
         f.lblRip.Caption = "16";
         onlyCadences(f, {1, 2, 3, 6, 7, 9, 10});
     }},
    {"whole-notes-no-copy",
     true,
     112,
     {3, 0, 59},
     6,
     [](frmKeloTrundo15& f) {
         onlyCadences(f, {4, 5, 8, 11, 12, 13});
         f.lblFreqInc[1].Caption = f.lblFreIncB[1].Caption = "16";  // module "4"
         f.lblFreqIncisi[0].BackColor = ColoreSpento;               // "Copy"
     }},
    {"design-values-random-tempo",
     false,
     132,
     {0, 59, 30},
     4,
     [](frmKeloTrundo15& f) { f.lblPulsante[5].BackColor = ColoreAcceso; }},
};

const std::filesystem::path kGolden = std::filesystem::path(KELO_GOLDEN_DIR) / "compositions";

TEST(GoldenCompositions, EveryPressLeavesItsPinnedRecord) {
    const bool write = std::getenv("KELO_WRITE_GOLDEN") != nullptr;
    for (const Scenario& s : kScenarios) {
        TestWindow w({.seed = s.seed, .clock = s.clock, .factory = s.factory});
        s.tweak(w.f);
        std::string records;
        for (int i = 0; i < s.presses; ++i) records += textFromFile(w.composeAndReveal());
        const std::filesystem::path file = kGolden / (std::string(s.name) + ".txt");
        if (write) std::ofstream(file, std::ios::binary) << records;
        EXPECT_EQ(firstDifference(recordLines(records), recordLines(readFile(file)), 197), "") << s.name;
    }
    EXPECT_FALSE(write) << "golden compositions written anew: check them, then run again";
}

}  // namespace
