// The persona's comment: the readiness mark, the cycle of twelve lines and the
// sample-player commands.
#include <gtest/gtest.h>

#include <set>

#include "app/compose_button.h"
#include "player/persona.h"
#include "support/cells.h"
#include "support/test_window.h"

using namespace kelo;
using namespace kelo::support;

// Over many seeds, so that every cycle boundary is met again and again: each
// comment closes the line said before it and plays its own, never the same line
// twice in a row, twelve lines a cycle, the greeting counted in the first one.
TEST(Persona, SpeaksEachLineOnceACycleAndNeverTwiceInARow) {
    for (uint64_t seed = 1; seed <= 60; ++seed) {
        TestWindow w({.seed = seed, .clock = {9, static_cast<int>(seed % 60), static_cast<int>(seed * 7 % 60)}});
        std::vector<int> lines{1};  // the greeting
        for (int i = 0; i < 12 * 4 - 1; ++i) {
            w.f.lblKeloPrecedente.BackColor = ColoreKeloPronto;  // the reveal ended
            w.hp.sound.events.clear();
            cmdKelo_Click(w.f);
            const int line = std::stoi(w.f.lblKeloPrecedente.Caption);
            ASSERT_NE(line, lines.back()) << "seed " << seed << ", comment " << i;
            ASSERT_EQ(w.hp.sound.events, (std::vector<SoundEvent>{{"mmcKelo", lines.back(), "Close", 0},
                                                                  {"mmcKelo", line, "Prev", 0},
                                                                  {"mmcKelo", line, "Open", 0},
                                                                  {"mmcKelo", line, "Play", 0}}));
            ASSERT_EQ(w.f.lblKeloPrecedente.BackColor, ColoreAcceso);
            lines.push_back(line);
        }
        for (size_t c = 0; c < lines.size(); c += 12)
            ASSERT_EQ(std::set<int>(lines.begin() + static_cast<long>(c), lines.begin() + static_cast<long>(c + 12)),
                      (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}))
                << "seed " << seed << ", cycle " << c / 12;
    }
}

TEST(Persona, SaysNothingWhenNotReadyOrSwitchedOffAndGivesUpSilentlyAfterAThousandTries) {
    TestWindow w;
    w.f.lblKeloPrecedente.BackColor = ColoreAcceso;  // the reveal has not ended
    cmdKelo_Click(w.f);
    EXPECT_EQ(w.f.lblK.Caption, "0");
    EXPECT_EQ(w.hp.random.drawn, 0);

    // "Commenti" off: a composition leaves the persona ready.
    w.f.lblKeloPrecedente.BackColor = ColoreKeloPronto;
    w.f.lblPulsante[7].BackColor = ColoreSpento;
    cmdIncisi_Click(w.f);
    EXPECT_EQ(w.f.lblKeloPrecedente.BackColor, ColoreKeloPronto);
    EXPECT_TRUE(w.hp.sound.events.empty());

    // Eleven lines said, the only free one is the one said last: nothing can be drawn.
    for (int i = 1; i <= 12; ++i) w.f.lblScegliTitolo[i].BorderStyle = i == 4 ? 0 : 1;
    w.f.lblKelo[0].Caption = "11";
    w.f.lblKeloPrecedente.Caption = "4";
    cmdKelo_Click(w.f);
    EXPECT_TRUE(w.hp.sound.events.empty());
    EXPECT_EQ(w.f.lblK.Caption, "1000");
    EXPECT_EQ(w.f.lblKelo[0].Caption, "11");
    EXPECT_EQ(w.f.lblKeloPrecedente.BackColor, ColoreAcceso);
}
