// The composition stages one at a time, on melodies set up by hand.
#include <gtest/gtest.h>

#include "app/compose_button.h"
#include "engine/harmony.h"
#include "engine/melodic_links.h"
#include "engine/pivot_notes.h"
#include "engine/rhythm_modules.h"
#include "engine/song_form.h"
#include "engine/tempo.h"
#include "presets/link_presets.h"
#include "support/cells.h"
#include "support/raises.h"
#include "support/test_window.h"

using namespace kelo;
using namespace kelo::support;

namespace {

// A melody whose every cell tells where it came from.
void markedMelody(frmKeloTrundo15& f, const char* form) {
    f.lblInciso[23].Caption = form;
    for (int b = 1; b <= 8; ++b) f.lblMod[b].Caption = "m" + std::to_string(b);
    for (int j = 1; j <= 16; ++j) {
        f.lblDueQuarti[j].Caption = "c" + std::to_string(j);
        f.lblPerno[j].Caption = "p" + std::to_string(j);
        f.lblArmonie[j].Caption = "h" + std::to_string(j);
        f.lblArmonie[j].Visible = j % 3 == 0;
        f.lblAccomp[j].Caption = "a" + std::to_string(j);
    }
    for (int k = 1; k <= 32; ++k) f.lblMelos[k].Caption = "n" + std::to_string(k);
}

}  // namespace

TEST(SectionCopy, CopiesTheSourceSectionOntoItsTargetUnlessTheTargetEndsOnADottedQuarter) {
    struct Case {
        const char* form;
        int s, t;
    };
    const Case cases[] = {{"AAAA", 1, 3}, {"AAAB", 1, 3}, {"AABA", 1, 2}, {"ABAA", 1, 3}, {"AABB", 1, 2},
                          {"ABAB", 1, 3}, {"ABBA", 2, 3}, {"ABBB", 2, 3}, {"AABC", 1, 2}, {"ABAC", 1, 3},
                          {"ABBC", 2, 3}, {"ABCA", 0, 0}, {"ABCB", 0, 0}, {"ABCC", 0, 0}, {"ABCD", 0, 0},
                          {"AAB", 0, 0},  {"", 0, 0}};
    for (const Case& c : cases) {
        for (bool dotted : {false, true}) {
            SCOPED_TRACE(std::string(c.form) + (dotted ? " dotted" : ""));
            TestWindow w;
            markedMelody(w.f, c.form);
            if (dotted) w.f.lblDueQuarti[4 * std::max(c.t, 1)].Caption = "RP";  // the target's last half-bar
            std::vector<std::string> before{joined(w.f.lblAccomp, 1, 16)};
            for (int s = 1; s <= 4; ++s) before.push_back(section(w.f, s));
            CopiaSezioneRipetuta(w.f);
            EXPECT_EQ(joined(w.f.lblAccomp, 1, 16), before[0]);
            for (int s = 1; s <= 4; ++s)
                EXPECT_EQ(section(w.f, s), before[static_cast<size_t>(s == c.t && !dotted ? c.s : s)]) << s;
        }
    }
}

TEST(ModuleLists, ACountBelowTheModulesOnLeavesTheRestOutOfTheDraw) {
    TestWindow w({.seed = 10});
    w.f.lblFreqInc[25].Caption = "8";  // thirteen on, eight counted
    for (int i = 0; i < 40; ++i) {
        ASSERT_NO_THROW(cmdIncisi_Click(w.f)) << i;
        for (int k = 9; k <= 13; ++k) EXPECT_EQ(w.f.lblScegliModulo[k].BackColor, ColoreSpento) << k;
    }
}

namespace {
// First list: four candidates with ranges 1-10, 11-20, 21-30, 31-40; only the
// fourth in the pool.
void poolOfOne(frmKeloTrundo15& f) {
    const char* modules[5] = {"", "2 2", "RP 2", "1 1 2", "RP RP"};
    for (int k = 1; k <= 4; ++k) {
        Label& c = f.lblScegliModulo[k];
        c.Caption = modules[k];
        c.BackColor = k == 4 ? ColoreAcceso : ColoreSpento;
        c.BorderStyle = 0;
        f.lblPeso[k].Caption = "10";
        f.lblMin[k].Caption = std::to_string(10 * k - 9);
        f.lblMax[k].Caption = std::to_string(10 * k);
    }
    f.lblMax[14].Caption = "40";
}
}  // namespace

TEST(PairDraw, AfterAHundredMissesTakesAPoolMemberAfterTheFourthPairStartsOverAndNeedsAPool) {
    TestWindow w({.seed = 1, .clock = {0, 0, 0}});
    poolOfOne(w.f);
    Command1_Click(w.f);
    for (int t = 0; t < 100; ++t) w.hp.random.push({uFor(5, 40)});  // every try on the first candidate
    w.hp.random.push({0.5f});                                       // the pool members' own draw
    ScegliModuloA(w.f);
    EXPECT_EQ(w.f.lblModuloScelto[1].Caption + "|" + w.f.lblScegliModulo[14].Caption, "RP RP|RP RP");
    EXPECT_EQ(w.f.lblContaModuli.Caption + " " + w.f.lblGigio.Caption, "1 100");
    EXPECT_EQ(w.f.lblScegliModulo[4].BorderStyle, 1);
    EXPECT_EQ(w.hp.random.drawn, 101);

    poolOfOne(w.f);
    w.f.lblContaModuli.Caption = "4";
    for (int p = 1; p <= 4; ++p) w.f.lblModuloScelto[p].Caption = "old";
    w.hp.random.push({uFor(35, 40)});
    ScegliModuloA(w.f);
    EXPECT_EQ(w.f.lblContaModuli.Caption, "1");
    EXPECT_EQ(joined(w.f.lblModuloScelto, 1, 4), "RP RP|old|old|old");

    poolOfOne(w.f);  // an empty pool is a clear error
    w.f.lblScegliModulo[4].BackColor = ColoreSpento;
    Command1_Click(w.f);
    EXPECT_TRUE(raises(
        ErrorCode::InvalidCall, [&] { ScegliModuloA(w.f); }, "lblFreqInc"));
}

// A whole note on half-bar 13 joins it to 14: a drawn cadence whose first two chords differ
// is rewritten so that they share one, and the chords of half-bars 13..15 are the rewrite's.
TEST(Harmony, AWholeNoteOnHalfBarThirteenRewritesTheCadence) {
    const std::array<const char*, 3> rows[] = {
        // drawn, rewritten, chords of 13..15
        {"DO FA DO DO", "FA FA DO DO", "FA+|FA+|DO+"},         {"DO FA FA DO", "FA FA FA DO", "FA+|FA+|FA+"},
        {"DO FA SOL DO", "FA FA SOL DO", "FA+|FA+|SOL+"},      {"DO SOL DO DO", "DO DO DO DO", "DO+|DO+|DO+"},
        {"DO SOL SOL DO", "SOL SOL SOL DO", "SOL+|SOL+|SOL+"}, {"FA SOL DO DO", "SOL SOL DO DO", "SOL+|SOL+|DO+"},
        {"FA SOL SOL DO", "FA FA SOL DO", "FA+|FA+|SOL+"}};
    for (const auto& [drawn, rewritten, chords] : rows) {
        TestWindow w({.factory = true, .folder = {}});
        setSwitches(w.f.lblCadenza, 1, 13, false);
        for (int k = 1; k <= 13; ++k)
            if (w.f.lblCadenza[k].Caption == drawn) w.f.lblCadenza[k].BackColor = ColoreAcceso;
        w.f.lblCadenza[0].Caption = "1";
        setColumn(w.f.lblDueQuarti, "2|0|0|0|0|0|0|0|0|0|0|0|4|0|2|2");
        w.f.lblArmonie[1].Caption = "DO+";
        cmdScegliArmonie_Click(w.f);
        EXPECT_EQ(w.f.lblCadenza[14].Caption, rewritten) << drawn;
        EXPECT_EQ(joined(w.f.lblArmonie, 13, 15), chords) << drawn;
    }
}

// Every row of the code table, at a half-bar where the code is due (a chord change,
// or the fifth half-bar of one chord); the cadence's own half-bars stay as they were.
TEST(Accompaniment, EveryChordAndPivotGivesTheCodeOfItsDraw) {
    using Codes = std::array<const char*, 6>;  // for the draws 1..6
    const Codes doTonic{"4", "3", "3", "2", "2", "2"}, sol{"10", "10", "10", "9", "9", "9"},
        fa{"6", "6", "6", "5", "5", "5"}, none{"", "", "", "", "", ""};
    const struct {
        const char *chord, *pivot;
        Codes codes;
    } rows[] = {{"DO+", "DO", doTonic},
                {"DO+", "do'", doTonic},
                {"DO+", "MI", {"4", "4", "2", "2", "2", "2"}},
                {"DO+", "SOL", {"3", "3", "2", "2", "2", "2"}},
                {"SOL+", "SOL", sol},
                {"SOL+", "RE", sol},
                {"SOL+", "re'", sol},
                {"SOL+", "si", {"9", "9", "9", "9", "9", "9"}},
                {"SOL+", "SI", {"9", "9", "9", "9", "9", "9"}},
                {"FA+", "FA", fa},
                {"FA+", "DO", fa},
                {"FA+", "do'", fa},
                {"FA+", "LA", {"5", "5", "5", "5", "5", "5"}},
                {"DO+", "LA", none},
                {"FA+", "", none}};
    for (const auto& row : rows)
        for (int r = 1; r <= 6; ++r) {
            TestWindow w({.clock = {0, 0, 0}});
            setColumn(w.f.lblArmonie, "DO+|DO+|DO+|DO+");
            for (int j = 5; j <= 12; ++j) w.f.lblArmonie[j].Caption = row.chord;  // strikes at 5 and 9
            w.f.lblPerno[5].Caption = row.pivot;
            setColumn(w.f.lblAccomp, "||||||||||||c|c|c|c");
            w.hp.random.push({uFor(r, 6), 0.5f});
            ScegliAccompagnamento(w.f);
            EXPECT_EQ(w.f.lblAccomp[5].Caption, row.codes[static_cast<size_t>(r - 1)])
                << row.chord << " " << row.pivot << " r=" << r;
            EXPECT_EQ(joined(w.f.lblAccomp, 1, 4) + joined(w.f.lblAccomp, 13, 16), "1|||c|c|c|c");
            EXPECT_EQ(w.hp.random.drawn, 2);
        }
}

// A whole note at half-bar 15 ends on DO without a final-note draw; so does "3",
// which no rhythm module has, and it becomes the whole note.
TEST(Pivots, AWholeNoteAtFifteenEndsOnDO) {
    for (const char* code : {"4", "3"}) {
        TestWindow w;
        setColumn(w.f.lblDueQuarti, "2|2|2|2|2|2|2|2|2|2|2|2|2|2|" + std::string(code) + "|2");
        setColumn(w.f.lblArmonie, "DO+|FA+|SOL+|DO+|DO+|FA+|SOL+|DO+|DO+|FA+|SOL+|DO+|DO+|SOL+|SOL+|");
        w.f.lblArmonie[16].Visible = true;
        w.f.lblFine[0].Caption = "old";
        AssegnaNotePerno(w.f);
        EXPECT_EQ(joined(w.f.lblPerno, 15, 16) + " " + joined(w.f.lblArmonie, 15, 16) + " " +
                      joined(w.f.lblDueQuarti, 15, 16) + " " + w.f.lblFine[0].Caption,
                  "DO| DO+|DO+ 4|0 old")
            << code;
        EXPECT_FALSE(w.f.lblArmonie[16].Visible);
    }
}

TEST(Pivots, FinalWeightsOfZeroLeaveOnlyDOAndOnlyTheTextZeroExcludes) {
    TestWindow w;
    for (int i = 1; i <= 3; ++i) w.f.lblNotafinale[i].Caption = "0";
    // "00" is a weight of 0 that still takes its (empty) range; "0" leaves do' out.
    for (auto [zero, first] : {std::pair{"0", "DO 1 16"}, std::pair{"00", "do' 1 0"}}) {
        w.f.lblNotafinale[1].Caption = zero;
        for (int i = 0; i < 50; ++i) {
            ScegliNotaFinale(w.f);
            ASSERT_EQ(w.f.lblFine[0].Caption, "DO") << zero;
        }
        EXPECT_EQ(w.f.lblFine[1].Caption + " " + w.f.lblMinFine[1].Caption + " " + w.f.lblMaxFine[1].Caption, first);
    }
}

namespace {
// A melody of "2" half-bars with one link half-bar j; pivots and chords given.
void oneLinkHalfBar(frmKeloTrundo15& f, int j, const char* code, const char* pivot, const char* chord,
                    const char* next) {
    for (int i = 1; i <= 16; ++i) {
        f.lblDueQuarti[i].Caption = "2";
        f.lblPerno[i].Caption = "DO";
        f.lblArmonie[i].Caption = "DO+";
    }
    f.lblDueQuarti[j].Caption = code;
    f.lblPerno[j].Caption = pivot;
    f.lblArmonie[j].Caption = chord;
    if (j < 16) f.lblPerno[j + 1].Caption = next;
}
}  // namespace

// Slots by the code table, "3" and "1" (codes no rhythm module has) among them; half-bar
// 16 stops at the last slot where its code would reach past it.
TEST(Links, SlotsFollowTheCodeTable) {
    for (const char* last : {"3", "4"}) {
        TestWindow w;
        setColumn(w.f.lblDueQuarti, "4|0|1 P|P 1|3|2|1|2|3|0|2|2|2|2|2|" + std::string(last));
        for (int j = 1; j <= 16; ++j) {
            w.f.lblPerno[j].Caption = j % 2 ? "SOL" : "MI";
            w.f.lblArmonie[j].Caption = "DO+";
        }
        for (int k = 1; k <= 32; ++k) w.f.lblMelos[k].Caption = "old";
        ASSERT_NO_THROW(cmdScegliCollegamento2_Click(w.f)) << last;
        // "3" at 5 writes A, "", "", B; half-bar 6 then writes its own two slots.
        EXPECT_EQ(joined(w.f.lblMelos, 1, 8), "SOL||||SOL|||MI");
        EXPECT_EQ(joined(w.f.lblMelos, 10, 14), "|MI|||SOL");
        // "3" at 9 followed by "0": its B stays in slot 20.
        EXPECT_EQ(joined(w.f.lblMelos, 18, 19), "|");
        for (int k : {9, 17, 20, 31}) EXPECT_TRUE(pitchNumber(w.f.lblMelos[k].Caption)) << k;
    }
}

// A forbidden row (eight "X") before the next pivot: the half-bar keeps its
// pivot alone instead of dividing by a total of 0.
TEST(Links, AForbiddenRowKeepsThePivotAloneWithoutADraw) {
    TestWindow w;
    ImpostaCollegamentiDefault(w.f);
    // Case 2 (DO under DO+) before SI: a row the pivot matrix forbids.
    for (int c = 1; c <= 8; ++c) ASSERT_EQ(w.f.lblCollegamento[160 + 56 + c].Caption, "X");
    for (const char* code : {"1 1", "RP"}) {
        oneLinkHalfBar(w.f, 8, code, "DO", "DO+", "SI");
        const int before = w.hp.random.drawn;
        cmdScegliCollegamento2_Click(w.f);
        EXPECT_EQ(w.hp.random.drawn, before);  // no other half-bar links
        EXPECT_EQ(joined(w.f.lblMelos, 15, 16), "DO|");
        EXPECT_EQ(w.f.lblValMax[9].Caption + w.f.lblCasualeCollegamento.Caption, "");
    }
}

TEST(LinkCases, LoadOnlyAnExactCaseNumber) {
    TestWindow w;
    for (const char* bad : {"0", "14", "", "02", "1 ", "X"}) {
        w.f.lblCercaNota[0].Caption = bad;
        CaricaCasoCollegamento(w.f);
        EXPECT_EQ(joined(w.f.lblCercaNota, 3, 5), "DO+|DO|160") << bad;
    }
    w.f.lblCercaNota[0].Caption = "13";
    CaricaCasoCollegamento(w.f);
    EXPECT_EQ(joined(w.f.lblCercaNota, 3, 5), "SOL+|re'|1040");
    EXPECT_EQ(joined(w.f.lblNotaA, 6, 7), "do'|");
}

// The tempo table, and the random tempo's odds: the last draw of each level.
TEST(Tempo, EveryLevelHasItsIntervalAndEveryDrawItsLevel) {
    const int ms[17] = {600, 600, 522, 455, 396, 345, 300, 261, 227, 198, 172, 150, 131, 114, 99, 86, 75};
    for (int level = 0; level <= 17; ++level) EXPECT_EQ(tempoInterval(level), ms[std::clamp(level, 1, 16)]) << level;
    const std::pair<int, int> lastDraw[] = {{1, 15}, {3, 14}, {6, 13}, {10, 12}, {15, 11}, {21, 10}, {28, 9},
                                            {35, 8}, {41, 7}, {46, 6}, {50, 5},  {53, 4},  {55, 3},  {56, 2}};
    TestWindow w({.clock = {0, 0, 0}});
    for (int r = 1, row = 0; r <= 56; ++r) {
        if (r > lastDraw[row].first) ++row;
        w.hp.random.push({uFor(r, 56)});
        ScegliVelocita(w.f);
        EXPECT_EQ(w.f.lblVeloc[0].Caption + " " + std::to_string(w.f.TmrAudio.Interval()),
                  std::to_string(lastDraw[row].second) + " " + std::to_string(ms[lastDraw[row].second]))
            << r;
    }
    EXPECT_EQ(w.f.lblVeloc[4].Caption, "114");  // the user's own tempo is left alone
}
