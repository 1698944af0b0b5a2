// The persona's comment: the readiness mark, the cycle of twelve lines and the
// sample-player commands.
#include <gtest/gtest.h>

#include <set>

#include "support/cells.h"
#include "support/test_window.h"
#include "player/persona.h"

using namespace kelo;
using namespace kelo::support;

// Each comment closes the line said before it and plays its own.
TEST(Persona, SpeaksEachLineOnceACycleAndNeverTwiceInARow) {
    TestWindow w({.seed = 5});
    std::vector<int> lines{1};  // the greeting
    for (int i = 0; i < 12 * 20; ++i) {
        w.f.lblKeloPrecedente.BackColor = ColoreKeloPronto;  // the reveal ended
        w.hp.sound.events.clear();
        cmdKelo_Click(w.f);
        int line = std::stoi(w.f.lblKeloPrecedente.Caption);
        ASSERT_TRUE(line >= 1 && line <= 12) << line;
        EXPECT_NE(line, lines.back()) << i;
        EXPECT_EQ(w.hp.sound.events, (std::vector<SoundEvent>{{"mmcKelo", lines.back(), "Close", 0},
                                                              {"mmcKelo", line, "Prev", 0},
                                                              {"mmcKelo", line, "Open", 0},
                                                              {"mmcKelo", line, "Play", 0}}));
        EXPECT_EQ(w.f.lblKeloPrecedente.BackColor, ColoreAcceso);
        lines.push_back(line);
    }
    // Cycles of twelve, the first of them opened by the greeting.
    for (size_t c = 0; c + 12 <= lines.size(); c += 12)
        EXPECT_EQ(std::set<int>(lines.begin() + static_cast<long>(c), lines.begin() + static_cast<long>(c + 12)).size(),
                  12u)
            << c;
}

TEST(Persona, SaysNothingWhenNotReadyAndGivesUpSilentlyAfterAThousandTries) {
    TestWindow w;
    w.f.lblKeloPrecedente.BackColor = ColoreAcceso;  // the reveal has not ended
    cmdKelo_Click(w.f);
    EXPECT_EQ(w.f.lblK.Caption, "0");
    EXPECT_EQ(w.hp.random.drawn, 0);

    // Eleven lines said, the only free one is the one said last: nothing can be drawn.
    w.f.lblKeloPrecedente.BackColor = ColoreKeloPronto;
    for (int i = 1; i <= 12; ++i) w.f.lblScegliTitolo[i].BorderStyle = i == 4 ? 0 : 1;
    w.f.lblKelo[0].Caption = "11";
    w.f.lblKeloPrecedente.Caption = "4";
    cmdKelo_Click(w.f);
    EXPECT_TRUE(w.hp.sound.events.empty());
    EXPECT_EQ(w.f.lblK.Caption, "1000");
    EXPECT_EQ(w.f.lblKelo[0].Caption, "11");
    EXPECT_EQ(w.f.lblKeloPrecedente.BackColor, ColoreAcceso);
}
