// The persona's comment: the readiness mark, the cycle of twelve lines and the
// sample-player commands.
#include <gtest/gtest.h>

#include <set>

#include "engine_test_support.h"
#include "player/persona.h"

using namespace kelo;
using namespace kelo::enginetest;

namespace {
std::vector<SoundEvent> speak(int previous, int line) {
    return {{"mmcKelo", previous, "Close", 0},
            {"mmcKelo", line, "Prev", 0},
            {"mmcKelo", line, "Open", 0},
            {"mmcKelo", line, "Play", 0}};
}
}  // namespace

TEST(Persona, FirstCommentIsNotTheGreetingAndClosesIt) {
    EngineWindow w(1, 0, 0, 0);
    w.hp.random.push({uFor(1, 12), uFor(7, 12)});  // line 1 was said (the greeting): drawn again
    cmdKelo_Click(w.f);
    EXPECT_EQ(w.hp.sound.events, speak(1, 7));
    EXPECT_EQ(w.f.lblKelo[0].Caption, "2");
    EXPECT_EQ(w.f.lblKeloPrecedente.Caption, "7");
    EXPECT_EQ(w.f.lblKeloPrecedente.BackColor, ColoreAcceso);
    EXPECT_EQ(w.f.lblScegliTitolo[7].BorderStyle, 1);
    EXPECT_EQ(w.f.lblK.Caption, "2");
}

TEST(Persona, SpeaksEachLineOnceACycleAndNeverTwiceInARow) {
    EngineWindow w(5);
    std::vector<int> lines;
    for (int i = 0; i < 12 * 20; ++i) {
        w.f.lblKeloPrecedente.BackColor = ColoreKeloPronto;  // the reveal ended
        cmdKelo_Click(w.f);
        lines.push_back(std::stoi(w.f.lblKeloPrecedente.Caption));
    }
    // The first cycle holds the greeting already: eleven comments, 2..12.
    std::set<int> first(lines.begin(), lines.begin() + 11);
    EXPECT_EQ(first.size(), 11u);
    EXPECT_EQ(first.count(1), 0u);
    for (size_t c = 11; c + 12 <= lines.size(); c += 12) {
        std::set<int> cycle(lines.begin() + static_cast<long>(c), lines.begin() + static_cast<long>(c + 12));
        EXPECT_EQ(cycle.size(), 12u) << c;
    }
    for (size_t i = 1; i < lines.size(); ++i) EXPECT_NE(lines[i], lines[i - 1]) << i;
    for (int n : lines) {
        EXPECT_GE(n, 1);
        EXPECT_LE(n, 12);
    }
}

TEST(Persona, SaysNothingWhenNotReadyAndGivesUpSilentlyAfterAThousandTries) {
    EngineWindow w;
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
