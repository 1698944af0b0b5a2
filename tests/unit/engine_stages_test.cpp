// The composition stages one at a time, on melodies set up by hand.
#include <gtest/gtest.h>

#include <array>
#include <set>

#include "app/compose_button.h"
#include "engine/harmony.h"
#include "engine/melodic_links.h"
#include "engine/pivot_notes.h"
#include "engine/rhythm_modules.h"
#include "engine/song_form.h"
#include "engine/tempo.h"
#include "engine_test_support.h"

using namespace kelo;
using namespace kelo::enginetest;

namespace {

using Sixteen = std::array<const char*, 16>;

void setColumn(ControlArray<Label>& a, const Sixteen& values) {
    for (int j = 1; j <= 16; ++j) a[j].Caption = values[static_cast<size_t>(j - 1)];
}

// A melody whose every cell tells where it came from.
void markedMelody(frmKeloTrundo15& f) {
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

struct MelodyCells {
    std::vector<std::string> text;
    std::vector<bool> shown;
    bool operator==(const MelodyCells&) const = default;
};
MelodyCells melodyCells(frmKeloTrundo15& f) {
    MelodyCells m;
    for (int b = 1; b <= 8; ++b) m.text.push_back(f.lblMod[b].Caption);
    for (int j = 1; j <= 16; ++j) {
        for (auto* a : {&f.lblDueQuarti, &f.lblPerno, &f.lblArmonie, &f.lblAccomp}) m.text.push_back((*a)[j].Caption);
        m.shown.push_back(f.lblArmonie[j].Visible);
    }
    for (int k = 1; k <= 32; ++k) m.text.push_back(f.lblMelos[k].Caption);
    return m;
}

}  // namespace

TEST(SectionCopy, CopiesTheSourceSectionOfEachFormOntoItsTarget) {
    struct Case {
        const char* form;
        int s, t;
    };
    const Case cases[] = {{"AAAA", 1, 3}, {"AAAB", 1, 3}, {"AABA", 1, 2}, {"ABAA", 1, 3}, {"AABB", 1, 2},
                          {"ABAB", 1, 3}, {"ABBA", 2, 3}, {"ABBB", 2, 3}, {"AABC", 1, 2}, {"ABAC", 1, 3},
                          {"ABBC", 2, 3}, {"ABCA", 0, 0}, {"ABCB", 0, 0}, {"ABCC", 0, 0}, {"ABCD", 0, 0},
                          {"AAB", 0, 0},  {"", 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        EngineWindow w;
        markedMelody(w.f);
        w.f.lblInciso[23].Caption = c.form;
        MelodyCells before = melodyCells(w.f);
        CopiaSezioneRipetuta(w.f);
        MelodyCells expected = before;
        if (c.s) {
            EngineWindow e;
            markedMelody(e.f);
            int d = 4 * (c.t - c.s);
            e.f.lblMod[2 * c.t - 1].Caption = "m" + std::to_string(2 * c.s - 1);
            e.f.lblMod[2 * c.t].Caption = "m" + std::to_string(2 * c.s);
            for (int j = 4 * c.s - 3; j <= 4 * c.s; ++j) {
                e.f.lblDueQuarti[j + d].Caption = e.f.lblDueQuarti[j].Caption;
                e.f.lblPerno[j + d].Caption = e.f.lblPerno[j].Caption;
                e.f.lblArmonie[j + d].Caption = e.f.lblArmonie[j].Caption;
                e.f.lblArmonie[j + d].Visible = e.f.lblArmonie[j].Visible;
            }
            for (int k = 8 * c.s - 7; k <= 8 * c.s; ++k) e.f.lblMelos[k + 2 * d].Caption = e.f.lblMelos[k].Caption;
            expected = melodyCells(e.f);
        }
        EXPECT_EQ(melodyCells(w.f), expected);
        for (int j = 13; j <= 16; ++j) EXPECT_EQ(w.f.lblDueQuarti[j].Caption, "c" + std::to_string(j));
        for (int k = 25; k <= 32; ++k) EXPECT_EQ(w.f.lblMelos[k].Caption, "n" + std::to_string(k));
        for (int j = 1; j <= 16; ++j) EXPECT_EQ(w.f.lblAccomp[j].Caption, "a" + std::to_string(j));
    }
}

TEST(SectionCopy, ATargetEndingOnADottedQuarterStaysAsItWas) {
    for (const char* form : {"AABA", "AAAA", "ABBC"}) {
        EngineWindow w;
        markedMelody(w.f);
        w.f.lblInciso[23].Caption = form;
        int t = std::string(form) == "AABA" ? 2 : 3;
        w.f.lblDueQuarti[4 * t].Caption = "RP";
        MelodyCells before = melodyCells(w.f);
        CopiaSezioneRipetuta(w.f);
        EXPECT_EQ(melodyCells(w.f), before) << form;
    }
}

TEST(SongForm, WithOneFormOnDrawsItEveryTime) {
    EngineWindow w;
    setSwitches(w.f.lblInciso, 1, 15, false);
    w.f.lblInciso[13].BackColor = ColoreAcceso;
    for (int i = 0; i < 50; ++i) {
        cmdScegliInciso_Click(w.f);
        ASSERT_EQ(w.f.lblInciso[23].Caption, "ABCB");
        EXPECT_EQ(w.f.lblInciso[25].Caption + w.f.lblInciso[26].Caption + w.f.lblInciso[27].Caption, "BCB");
    }
}

// A list that ends before row 13: the rows below the last candidate hold "" and
// must never be read as numbers.
TEST(ModuleLists, AShortListIsNeverReadPastItsLastCandidate) {
    EngineWindow w(9);
    onlyModules(w.f.lblModulo, w.f.lblFreqInc, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 6);
    onlyModules(w.f.lblModuloB, w.f.lblFreIncB, {3, 5, 7, 9, 11}, 5);
    for (int i = 0; i < 300; ++i) ASSERT_NO_THROW(cmdIncisi_Click(w.f)) << i;
    for (int k = 11; k <= 13; ++k) {
        EXPECT_EQ(w.f.lblScegliModulo[k].Caption, "");
        EXPECT_EQ(w.f.lblMin[k].Caption, "");
        EXPECT_EQ(w.f.lblMax[k].Caption, "");
    }
    // The pool of a second list with pool size = number on holds every module on.
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(w.f.lblScegliModuloB[k].BackColor, ColoreAcceso) << k;
    EXPECT_EQ(w.f.lblScegliModuloB[6].BackColor, ColoreSpento);
}

TEST(ModuleLists, ACountBelowTheModulesOnLeavesTheRestOutOfTheDraw) {
    EngineWindow w(10);
    w.f.lblFreqInc[25].Caption = "8";  // thirteen on, eight counted
    for (int i = 0; i < 200; ++i) {
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

TEST(PairDraw, AfterAHundredMissesTakesAPoolMemberAndStoresItInItsOwnPair) {
    EngineWindow w(1, 0, 0, 0);
    poolOfOne(w.f);
    Command1_Click(w.f);
    for (int t = 0; t < 100; ++t) w.hp.random.push({uFor(5, 40)});  // every try on the first candidate
    w.hp.random.push({0.5f});                                         // the pool members' own draw
    ScegliModuloA(w.f);
    EXPECT_EQ(w.f.lblModuloScelto[1].Caption, "RP RP");
    EXPECT_EQ(w.f.lblContaModuli.Caption, "1");
    EXPECT_EQ(w.f.lblGigio.Caption, "100");
    EXPECT_EQ(w.f.lblScegliModulo[14].Caption, "RP RP");
    EXPECT_EQ(w.f.lblScegliModulo[4].BorderStyle, 1);
    EXPECT_EQ(w.hp.random.drawn, 101);
}

TEST(PairDraw, AFirstModuleDrawnAfterTheFourthPairStartsThePairsOver) {
    EngineWindow w(1, 0, 0, 0);
    poolOfOne(w.f);
    w.f.lblContaModuli.Caption = "4";
    for (int p = 1; p <= 4; ++p) w.f.lblModuloScelto[p].Caption = "old";
    w.hp.random.push({uFor(35, 40)});
    ScegliModuloA(w.f);
    EXPECT_EQ(w.f.lblContaModuli.Caption, "1");
    EXPECT_EQ(w.f.lblModuloScelto[1].Caption, "RP RP");
    EXPECT_EQ(w.f.lblModuloScelto[4].Caption, "old");
}

TEST(PairDraw, AnEmptyPoolIsAClearError) {
    EngineWindow w(1, 0, 0, 0);
    poolOfOne(w.f);
    w.f.lblScegliModulo[4].BackColor = ColoreSpento;
    Command1_Click(w.f);
    try {
        ScegliModuloA(w.f);
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_NE(std::string(e.what()).find("lblFreqInc"), std::string::npos) << e.what();
    }
}

TEST(Cadence, AWholeNoteAtThirteenRewritesItSoThirteenAndFourteenShareAChord) {
    EngineWindow w;
    setSwitches(w.f.lblCadenza, 1, 13, false);
    w.f.lblCadenza[7].BackColor = ColoreAcceso;  // "DO SOL DO DO"
    setColumn(w.f.lblDueQuarti, {"2", "2", "2", "2", "2", "2", "2", "2", "2", "2", "2", "2", "4", "0", "2", "2"});
    w.f.lblArmonie[1].Caption = "DO+";
    cmdScegliArmonie_Click(w.f);
    EXPECT_EQ(w.f.lblCadenza[14].Caption, "DO DO DO DO");
    for (int j = 13; j <= 15; ++j) EXPECT_EQ(w.f.lblArmonie[j].Caption, "DO+");
    ApplicaCadenza(w.f);
    EXPECT_EQ(w.f.lblAccomp[13].Caption + "|" + w.f.lblAccomp[14].Caption + "|" + w.f.lblAccomp[15].Caption + "|" +
                  w.f.lblAccomp[16].Caption,
              "2|4|1|");

    setSwitches(w.f.lblCadenza, 1, 13, false);
    w.f.lblCadenza[2].BackColor = ColoreAcceso;  // "DO DO FA DO": no rewrite
    cmdScegliArmonie_Click(w.f);
    EXPECT_EQ(w.f.lblCadenza[14].Caption, "DO DO FA DO");
    EXPECT_EQ(w.f.lblArmonie[15].Caption, "FA+");

    setSwitches(w.f.lblCadenza, 1, 13, false);
    w.f.lblCadenza[8].BackColor = ColoreAcceso;  // "DO SOL SOL DO" becomes "SOL SOL SOL DO"
    cmdScegliArmonie_Click(w.f);
    EXPECT_EQ(w.f.lblCadenza[14].Caption, "SOL SOL SOL DO");
    ApplicaCadenza(w.f);
    EXPECT_EQ(w.f.lblAccomp[13].Caption + "|" + w.f.lblAccomp[14].Caption + "|" + w.f.lblAccomp[15].Caption + "|" +
                  w.f.lblAccomp[16].Caption,
              "9||8|1");
}

TEST(Cadence, AWholeNoteAtFifteenTakesTheClosingChord) {
    EngineWindow w;
    w.f.lblCadenza[14].Caption = "DO FA FA DO";
    w.f.lblDueQuarti[15].Caption = "4";
    ApplicaCadenza(w.f);
    EXPECT_EQ(w.f.lblAccomp[13].Caption + "|" + w.f.lblAccomp[14].Caption + "|" + w.f.lblAccomp[15].Caption + "|" +
                  w.f.lblAccomp[16].Caption,
              "2|5|1|");
}

TEST(Harmony, AHeldHalfBarKeepsItsChordWithoutADraw) {
    EngineWindow w;
    setColumn(w.f.lblDueQuarti, {"2", "2", "4", "0", "2", "4", "0", "2", "2", "2", "4", "0", "2", "2", "2", "2"});
    w.f.lblArmonie[1].Caption = "DO+";
    const int before = w.hp.random.drawn;
    cmdScegliArmonie_Click(w.f);
    EXPECT_EQ(w.hp.random.drawn - before, 1 + 11 - 3);  // the cadence and the chords not held
    for (int k : {4, 7, 12}) EXPECT_EQ(w.f.lblArmonie[k].Caption, w.f.lblArmonie[k - 1].Caption) << k;
}

// Item 3(p-1)+n is the weight of chord n after chord p, DO+ 1, FA+ 2, SOL+ 3:
// with one weight per row the chain runs DO+, SOL+, FA+, DO+, ...
TEST(Harmony, TransitionWeightsAreIndexedByPreviousThenNextChord) {
    EngineWindow w;
    const char* weights[10] = {"", "0", "0", "16", "16", "0", "0", "0", "16", "0"};
    for (int i = 1; i <= 9; ++i) w.f.lblAccordi[i].Caption = weights[i];
    for (int j = 1; j <= 16; ++j) w.f.lblDueQuarti[j].Caption = "2";
    w.f.lblArmonie[1].Caption = "DO+";
    cmdScegliArmonie_Click(w.f);
    const char* cycle[3] = {"DO+", "SOL+", "FA+"};
    for (int k = 1; k <= 12; ++k) EXPECT_EQ(w.f.lblArmonie[k].Caption, cycle[(k - 1) % 3]) << k;
}

TEST(Harmony, OnlyDOAfterDOStrikesTheAccompanimentEveryFourHalfBars) {
    EngineWindow w;
    w.f.lblAccordi[1].Caption = "16";
    w.f.lblAccordi[2].Caption = "0";
    w.f.lblAccordi[3].Caption = "0";
    for (int i = 0; i < 20; ++i) {
        cmdIncisi_Click(w.f);
        for (int k = 1; k <= 12; ++k) ASSERT_EQ(w.f.lblArmonie[k].Caption, "DO+") << k;
        ScegliAccompagnamento(w.f);
        for (int k = 1; k <= 12; ++k) EXPECT_EQ(w.f.lblAccomp[k].Caption.empty(), k != 1 && k != 5 && k != 9) << k;
        EXPECT_EQ(w.f.lblAccomp[1].Caption, "1");
    }
}

TEST(Accompaniment, PicksTheCodeByChordPivotAndDrawAndLeavesTheCadenceAlone) {
    EngineWindow w(1, 0, 0, 0);
    setColumn(w.f.lblArmonie,
              {"DO+", "DO+", "SOL+", "SOL+", "FA+", "FA+", "FA+", "FA+", "FA+", "DO+", "SOL+", "DO+", "x", "x", "x", "x"});
    setColumn(w.f.lblPerno,
              {"DO", "MI", "si", "", "LA", "", "", "", "do'", "SOL", "re'", "", "DO", "DO", "DO", "DO"});
    for (int j = 13; j <= 16; ++j) w.f.lblAccomp[j].Caption = "c";
    // Chord changes at 3, 5, 10, 11, 12; FA+ held from 5 strikes again at 9.
    w.hp.random.push({uFor(1, 6), uFor(6, 6), uFor(4, 6), uFor(3, 6), uFor(2, 6), uFor(1, 6)});
    ScegliAccompagnamento(w.f);
    const char* expected[13] = {"", "1", "", "9", "", "5", "", "", "", "5", "2", "10", ""};
    for (int k = 1; k <= 12; ++k) EXPECT_EQ(w.f.lblAccomp[k].Caption, expected[k]) << k;
    for (int j = 13; j <= 16; ++j) EXPECT_EQ(w.f.lblAccomp[j].Caption, "c");
    EXPECT_EQ(w.hp.random.drawn, 6);  // the pivot-less change at 12 draws too
}

TEST(Pivots, AWholeNoteAtFifteenEndsOnDO) {
    for (const char* code : {"4", "3"}) {
        EngineWindow w;
        setColumn(w.f.lblDueQuarti, {"2", "2", "2", "2", "2", "2", "2", "2", "2", "2", "2", "2", "2", "2", code, "2"});
        setColumn(w.f.lblArmonie,
                  {"DO+", "FA+", "SOL+", "DO+", "DO+", "FA+", "SOL+", "DO+", "DO+", "FA+", "SOL+", "DO+", "DO+",
                   "SOL+", "SOL+", ""});
        w.f.lblArmonie[16].Visible = true;
        w.f.lblFine[0].Caption = "old";
        AssegnaNotePerno(w.f);
        EXPECT_EQ(w.f.lblPerno[15].Caption, "DO");
        EXPECT_EQ(w.f.lblPerno[16].Caption, "");
        EXPECT_EQ(w.f.lblArmonie[15].Caption, "DO+");
        EXPECT_EQ(w.f.lblArmonie[16].Caption, "DO+");
        EXPECT_FALSE(w.f.lblArmonie[16].Visible);
        EXPECT_EQ(w.f.lblDueQuarti[15].Caption, "4");
        EXPECT_EQ(w.f.lblDueQuarti[16].Caption, "0");
        EXPECT_EQ(w.f.lblFine[0].Caption, "old");  // no final-note draw
        EXPECT_EQ(w.f.lblNotaEsaminata.Caption, w.f.lblPerno[2].Caption);
    }
}

TEST(Pivots, TheNoteAfterAWholeNoteIsThePivotTwoHalfBarsOn) {
    EngineWindow w;
    setColumn(w.f.lblDueQuarti, {"2", "2", "4", "0", "2", "2", "2", "2", "2", "2", "2", "2", "2", "2", "2", "2"});
    for (int j = 1; j <= 15; ++j) w.f.lblArmonie[j].Caption = "DO+";
    for (int i = 0; i < 50; ++i) {
        AssegnaNotePerno(w.f);
        EXPECT_EQ(w.f.lblPerno[4].Caption, "");
        // The whole note's search looked at pivot 5: DO before re' or SI would be "X".
        int p5 = pitchNumber(w.f.lblPerno[5].Caption);
        int k3 = w.f.lblPerno[3].Caption == "DO" ? 1 : w.f.lblPerno[3].Caption == "MI" ? 2
                 : w.f.lblPerno[3].Caption == "SOL" ? 3 : 4;
        EXPECT_NE(w.f.lblNota[p5 + 10 * (k3 - 1)].Caption, "X");
    }
}

TEST(Pivots, FinalWeightsOfZeroLeaveOnlyDOAndOnlyTheTextZeroExcludes) {
    EngineWindow w;
    const char* weights[5] = {"", "0", "0", "0", "5"};
    for (int i = 1; i <= 4; ++i) w.f.lblNotafinale[i].Caption = weights[i];
    for (int i = 0; i < 50; ++i) {
        ScegliNotaFinale(w.f);
        ASSERT_EQ(w.f.lblFine[0].Caption, "DO");
    }
    EXPECT_EQ(w.f.lblMaxFine[0].Caption, "5");
    w.f.lblNotafinale[1].Caption = "00";
    for (int i = 0; i < 50; ++i) {
        ScegliNotaFinale(w.f);
        ASSERT_EQ(w.f.lblFine[0].Caption, "DO");
    }
    EXPECT_EQ(w.f.lblFine[1].Caption, "do'");
    EXPECT_EQ(w.f.lblMinFine[1].Caption, "1");
    EXPECT_EQ(w.f.lblMaxFine[1].Caption, "0");
}

TEST(Pivots, ASearchDrawsOnlyAllowedTonesOfTheChord) {
    struct Case {
        const char* chord;
        const char* next;
        std::set<std::string> allowed;
    };
    const Case cases[] = {{"SOL+", "FA", {"RE", "SOL", "re'"}}, {"DO+", "re'", {"SOL", "do'"}},
                          {"FA+", "si", {"DO", "FA"}}};
    for (const Case& c : cases) {
        EngineWindow w;
        std::set<std::string> seen;
        for (int i = 0; i < 300; ++i) {
            w.f.lblAccordoEsaminato.Caption = c.chord;
            w.f.lblNotaEsaminata.Caption = c.next;
            cmdTrovaNotePerno_Click(w.f);
            seen.insert(w.f.lblNotaPernoScelta.Caption);
        }
        EXPECT_EQ(seen, c.allowed) << c.chord << " before " << c.next;
    }
    // FA+ before si: LA and do' are "X", and a weight "0" takes DO out.
    EngineWindow w;
    w.f.lblNota[91].Caption = "0";
    for (int i = 0; i < 200; ++i) {
        w.f.lblAccordoEsaminato.Caption = "FA+";
        w.f.lblNotaEsaminata.Caption = "si";
        cmdTrovaNotePerno_Click(w.f);
        ASSERT_EQ(w.f.lblNotaPernoScelta.Caption, "FA");
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

TEST(Links, FindTheCaseFromPivotAndChord) {
    struct Case {
        const char* pivot;
        const char* chord;
        const char* number;
    };
    for (const Case& c : {Case{"si", "DO+", "1"}, Case{"si", "SOL+", "1"}, Case{"DO", "FA+", "3"},
                          Case{"DO", "DO+", "2"}, Case{"SOL", "SOL+", "8"}, Case{"do'", "FA+", "12"},
                          Case{"re'", "SOL+", "13"}}) {
        EngineWindow w;
        oneLinkHalfBar(w.f, 5, "1 1", c.pivot, c.chord, "MI");
        cmdScegliCollegamento2_Click(w.f);
        EXPECT_EQ(w.f.lblCercaNota[0].Caption, c.number) << c.pivot << " " << c.chord;
        EXPECT_EQ(w.f.lblNotaPartenza.Caption, c.pivot);
    }
}

TEST(Links, ARowWithOneAllowedFigureAlwaysYieldsIt) {
    EngineWindow w;
    // Case 5 (MI under DO+) before SOL: row 6 of the case, only figure 4 allowed.
    for (int c = 1; c <= 8; ++c) w.f.lblCollegamento[400 + 40 + c].Caption = c == 4 ? "9" : "X";
    for (int i = 0; i < 30; ++i) {
        oneLinkHalfBar(w.f, 7, "RP", "MI", "DO+", "SOL");
        cmdScegliCollegamento2_Click(w.f);
        EXPECT_EQ(w.f.lblMelos[13].Caption, "MI");
        EXPECT_EQ(w.f.lblMelos[14].Caption, "FA");
        EXPECT_EQ(w.f.lblValMax[9].Caption, "9");
        int x = std::stoi(w.f.lblCasualeCollegamento.Caption);
        EXPECT_GE(x, 1);
        EXPECT_LE(x, 9);
        EXPECT_EQ(w.f.lblValMin[2].Caption, "");
    }
}

TEST(Links, RowWeightsSetTheOdds) {
    EngineWindow w(21);
    for (int c = 1; c <= 8; ++c) w.f.lblCollegamento[400 + 40 + c].Caption = c == 2 ? "4" : c == 7 ? "12" : "X";
    int first = 0;
    const int n = 4000;
    for (int i = 0; i < n; ++i) {
        oneLinkHalfBar(w.f, 7, "1 1", "MI", "DO+", "SOL");
        cmdScegliCollegamento2_Click(w.f);
        first += w.f.lblMelos[14].Caption == "SOL";
    }
    EXPECT_NEAR(first / static_cast<double>(n), 0.25, 0.03);
}

TEST(Links, SlotsFollowTheCodeTable) {
    EngineWindow w;
    setColumn(w.f.lblDueQuarti, {"4", "0", "1 P", "P 1", "3", "2", "1", "2", "3", "0", "2", "2", "2", "2", "2", "2"});
    for (int j = 1; j <= 16; ++j) {
        w.f.lblPerno[j].Caption = j % 2 ? "SOL" : "MI";
        w.f.lblArmonie[j].Caption = "DO+";
    }
    for (int k = 1; k <= 32; ++k) w.f.lblMelos[k].Caption = "old";
    cmdScegliCollegamento2_Click(w.f);
    auto slot = [&](int k) { return w.f.lblMelos[k].Caption; };
    EXPECT_EQ(slot(1), "SOL");
    for (int k : {2, 3, 4}) EXPECT_EQ(slot(k), "") << k;
    EXPECT_EQ(slot(5), "SOL");
    EXPECT_EQ(slot(6), "");
    EXPECT_EQ(slot(7), "");
    EXPECT_EQ(slot(8), "MI");
    // "3" at 5 writes A, "", "", B; half-bar 6 then writes its own two slots.
    EXPECT_NE(slot(9), "old");
    EXPECT_EQ(slot(10), "");
    EXPECT_EQ(slot(11), "MI");
    EXPECT_EQ(slot(12), "");
    EXPECT_EQ(slot(13), "");
    EXPECT_EQ(slot(14), "SOL");
    // "3" at 9 followed by "0": its B stays in slot 20.
    EXPECT_EQ(slot(18), "");
    EXPECT_EQ(slot(19), "");
    EXPECT_NE(slot(20), "old");
    EXPECT_EQ(slot(17), w.f.lblNotaAScelta[0].Caption);  // the last figure drawn
    EXPECT_EQ(slot(20), w.f.lblNotaBScelta[0].Caption);
}

// A forbidden row (eight "X") before the next pivot: the half-bar keeps its
// pivot alone instead of dividing by a total of 0.
TEST(Links, AForbiddenRowKeepsThePivotAloneWithoutADraw) {
    EngineWindow w;
    putForbiddenRows(w.f);
    // Case 2 (DO under DO+) before SI: a row the pivot matrix forbids.
    for (int c = 1; c <= 8; ++c) ASSERT_EQ(w.f.lblCollegamento[160 + 56 + c].Caption, "X");
    for (const char* code : {"1 1", "RP"}) {
        oneLinkHalfBar(w.f, 8, code, "DO", "DO+", "SI");
        const int before = w.hp.random.drawn;
        cmdScegliCollegamento2_Click(w.f);
        EXPECT_EQ(w.hp.random.drawn, before);  // no other half-bar links
        EXPECT_EQ(w.f.lblMelos[15].Caption, "DO");
        EXPECT_EQ(w.f.lblMelos[16].Caption, "");
        EXPECT_EQ(w.f.lblValMax[9].Caption, "");
        EXPECT_EQ(w.f.lblCasualeCollegamento.Caption, "");
    }
}

// The road to it: a copied section ends on a pivot the bank forbids before the
// pivot that follows the section; relinking that melody (as a variant does)
// must not stop the program.
TEST(Links, RelinkingACopiedMelodyNeverDividesByZero) {
    EngineWindow w(17);
    putForbiddenRows(w.f);
    w.f.lblRip.Caption = "16";
    int kept = 0;
    for (int i = 0; i < 1500; ++i) {
        cmdIncisi_Click(w.f);
        ASSERT_NO_THROW(cmdScegliCollegamento2_Click(w.f)) << i;
        for (int j = 1; j <= 15; ++j) {
            const std::string& code = w.f.lblDueQuarti[j].Caption;
            if ((code == "1 1" || code == "RP") && w.f.lblMelos[2 * j].Caption.empty() &&
                w.f.lblMelos[2 * j - 1].Caption == w.f.lblPerno[j].Caption)
                ++kept;
        }
    }
    EXPECT_GT(kept, 0);  // the forbidden rows were met
}

TEST(Links, HalfBarSixteenNeverWritesPastTheLastSlot) {
    for (const char* code : {"3", "1 1", "4"}) {
        EngineWindow w;
        oneLinkHalfBar(w.f, 16, code, "SOL", "DO+", "");
        ASSERT_NO_THROW(cmdScegliCollegamento2_Click(w.f)) << code;
        EXPECT_NE(w.f.lblMelos[31].Caption, "") << code;
    }
}

TEST(LinkCases, LoadOnlyAnExactCaseNumber) {
    EngineWindow w;
    for (const char* bad : {"0", "14", "", "02", "1 ", "X"}) {
        w.f.lblCercaNota[0].Caption = bad;
        CaricaCasoCollegamento(w.f);
        EXPECT_EQ(w.f.lblCercaNota[5].Caption, "160") << bad;
        EXPECT_EQ(w.f.lblCercaNota[3].Caption, "DO+") << bad;
        EXPECT_EQ(w.f.lblNotaB[1].Caption, "do'") << bad;
    }
    w.f.lblCercaNota[0].Caption = "13";
    CaricaCasoCollegamento(w.f);
    EXPECT_EQ(w.f.lblCercaNota[5].Caption, "1040");
    EXPECT_EQ(w.f.lblCercaNota[4].Caption, "re'");
    EXPECT_EQ(w.f.lblNotaA[6].Caption, "do'");
    EXPECT_EQ(w.f.lblNotaA[7].Caption, "");
}

TEST(LinkCases, ThePageCopiesTheBankAndDisablesExactlyItsXCells) {
    EngineWindow w;
    putForbiddenRows(w.f);
    for (int n = 1; n <= 13; ++n) {
        w.f.lblCercaNota[0].Caption = std::to_string(n);
        CaricaCasoCollegamento(w.f);
        CaricaPaginaCollegamento(w.f);
        for (int i = 1; i <= 80; ++i) {
            ASSERT_EQ(w.f.lblCollegamento[i].Caption, w.f.lblCollegamento[80 * n + i].Caption);
            ASSERT_EQ(w.f.lblCollegamento[i].Enabled, w.f.lblCollegamento[i].Caption != "X");
        }
    }
}

TEST(Tempo, TheTableHalvesEveryFiveLevels) {
    const int expected[17] = {0, 600, 522, 455, 396, 345, 300, 261, 227, 198, 172, 150, 131, 114, 99, 86, 75};
    for (int level = 1; level <= 16; ++level) EXPECT_EQ(tempoInterval(level), expected[level]) << level;
}

TEST(Tempo, DrawsLevelsTwoToFifteenWithTriangularOdds) {
    EngineWindow w(1, 0, 0, 0);
    const int levelOf[57] = {0,  15, 14, 14, 13, 13, 13, 12, 12, 12, 12, 11, 11, 11, 11, 11, 10, 10, 10,
                             10, 10, 10, 9,  9,  9,  9,  9,  9,  9,  8,  8,  8,  8,  8,  8,  8,  7,  7,
                             7,  7,  7,  7,  6,  6,  6,  6,  6,  5,  5,  5,  5,  4,  4,  4,  3,  3,  2};
    for (int r = 1; r <= 56; ++r) {
        w.hp.random.push({uFor(r, 56)});
        ScegliVelocita(w.f);
        EXPECT_EQ(w.f.lblVeloc[0].Caption, std::to_string(levelOf[r])) << r;
        EXPECT_EQ(w.f.TmrAudio.Interval(), tempoInterval(levelOf[r])) << r;
    }
    EXPECT_EQ(w.f.lblVeloc[4].Caption, "114");  // the user's own tempo is left alone
}
