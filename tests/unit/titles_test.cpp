// The title choice: every type once a cycle and never twice in a row, even on a
// stuck random source; the dispatch. The lists are pinned in golden_tables_test.
#include <gtest/gtest.h>

#include <set>

#include "model/cell_access.h"
#include "platform/dispatch.h"
#include "support/cells.h"
#include "support/test_window.h"
#include "titles/title_types.h"

using namespace kelo;
using namespace kelo::support;

namespace {
int markedTypes(frmKeloTrundo15& f) {
    int n = 0;
    for (int t = 1; t <= 24; ++t) n += isOn(f.lblScegliTitolo[t]);
    return n;
}

// Presses "Titoli" n times from the start state and gives the types drawn; after
// each press the count, the marks and the title agree.
std::vector<int> pressTitoli(TestWindow& w, int n) {
    std::vector<int> types;
    for (int i = 0; i < n; ++i) {
        w.f.TxtTitolo.Text.clear();
        raiseClick(w.f.cmdTitoli);
        const int type = number(w.f.lblTipologiaTitolo);
        EXPECT_EQ(number(w.f.lblScegliTitolo[0]), i % 24 + 1) << i;
        EXPECT_EQ(markedTypes(w.f), i % 24 + 1) << i;
        EXPECT_TRUE(type >= 1 && type <= 24 && isOn(w.f.lblScegliTitolo[type])) << i;
        EXPECT_FALSE(w.f.TxtTitolo.Text.empty()) << i;
        types.push_back(type);
    }
    return types;
}

void expectCycles(const std::vector<int>& types) {
    for (size_t i = 1; i < types.size(); ++i) EXPECT_NE(types[i], types[i - 1]) << i;
    for (auto c = types.begin(); c + 24 <= types.end(); c += 24) EXPECT_EQ(std::set<int>(c, c + 24).size(), 24u);
}
}  // namespace

TEST(Titles, EveryTypeOnceACycleNeverTwiceInARowAndThePersonasMarksLeftAlone) {
    for (uint64_t seed : {1, 2, 3}) {
        TestWindow w({.seed = seed});
        for (int t = 1; t <= 24; ++t) w.f.lblScegliTitolo[t].BorderStyle = static_cast<int16_t>(t % 2);
        expectCycles(pressTitoli(w, 10 * 24));
        EXPECT_LT(w.hp.random.drawn, 3000);  // about 100 draws a cycle: each type drawn, none forced
        for (int t = 1; t <= 24; ++t) EXPECT_EQ(w.f.lblScegliTitolo[t].BorderStyle, t % 2) << t;
    }
}

// A source that always gives the same type lands on the current or a taken type
// from the third title on: a thousand draws, then the first acceptable type. Here
// a cycle has just ended on that same type.
TEST(Titles, AStuckRandomSourceStillEndsEveryChoiceWithTheCycleKept) {
    TestWindow w({.seed = 1, .clock = {0, 0, 0}});
    for (int t = 1; t <= 24; ++t) w.f.lblScegliTitolo[t].BackColor = ColoreAcceso;
    w.f.lblScegliTitolo[0].Caption = "24";
    w.f.lblTipologiaTitolo.Caption = "1";
    const int titles = 3 * 24;
    for (int i = 0; i < titles * 1002; ++i) w.hp.random.push({uFor(1, 24)});
    std::vector<int> types = pressTitoli(w, titles);
    expectCycles(types);
    EXPECT_EQ(std::vector<int>(types.begin(), types.begin() + 4), (std::vector<int>{2, 1, 3, 4}));
    EXPECT_EQ(types[24], 1);  // the draw that differs from type 24 opens the next cycle
}

TEST(Titles, TypeTextsOutsideOneToTwentyFourLeaveTheTitle) {
    TestWindow w;
    for (const char* type : {"0", "25", "-1", "01", " 1", "1 ", "1.0", "abc", ""}) {
        w.f.TxtTitolo.Text = "Il titolo di prima";
        w.f.lblTipologiaTitolo.Caption = type;
        GeneraTitolo(w.f);
        EXPECT_EQ(w.f.TxtTitolo.Text, "Il titolo di prima") << '"' << type << '"';
        EXPECT_EQ(w.hp.random.drawn, 0) << type;
    }
}

// Cells that hold no number, or disagree, never stop the choice: no current type, or
// a new cycle.
TEST(Titles, UnreadableOrDisagreeingCellsStartOverInsteadOfStopping) {
    struct Row {
        const char *type, *count;
        int marked;
        const char* countAfter;
    } rows[] = {{"abc", "3", 3, "4"}, {"", "0", 0, "1"}, {"5", "x", 5, "1"}, {"5", "30", 24, "1"}, {"5", "3", 24, "1"}};
    for (const Row& r : rows) {
        TestWindow w;
        for (int t = 1; t <= 24; ++t) w.f.lblScegliTitolo[t].BackColor = t <= r.marked ? ColoreAcceso : ColoreSpento;
        w.f.lblTipologiaTitolo.Caption = r.type;
        w.f.lblScegliTitolo[0].Caption = r.count;
        ASSERT_NO_THROW(ScegliTipologiaTitolo(w.f)) << r.type << '/' << r.count;
        EXPECT_EQ(w.f.lblScegliTitolo[0].Caption, r.countAfter) << r.type << '/' << r.count;
        EXPECT_EQ(markedTypes(w.f), number(w.f.lblScegliTitolo[0])) << r.count;
        EXPECT_NE(w.f.lblTipologiaTitolo.Caption, r.type);
        EXPECT_FALSE(w.f.TxtTitolo.Text.empty());
    }
}
