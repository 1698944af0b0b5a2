// Whole compositions: what every melody must satisfy, whatever the settings,
// and what the compose action does to the window around it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iterator>
#include <sstream>

#include "app/compose_button.h"
#include "engine/link_cases.h"
#include "engine/rhythm_modules.h"
#include "support/cells.h"
#include "support/test_window.h"
#include "presets/link_presets.h"
#include "settings/factory_defaults.h"

using namespace kelo;
using namespace kelo::support;

namespace {

// One way to prepare the settings before composing. To run the invariants on
// other settings, add one line to kSettings.
struct SettingsCase {
    const char* name;
    std::function<void(frmKeloTrundo15&)> prepare;
};
void PrintTo(const SettingsCase& c, std::ostream* os) { *os << c.name; }

void switchesOff(frmKeloTrundo15& f) {
    ImpostaCollegamentiDefault(f);
    setSwitches(f.lblInciso, 1, 15, false);
    for (int i : {3, 6, 7, 15}) f.lblInciso[i].BackColor = ColoreAcceso;  // AABA, ABAB, ABBA, ABCD
    f.lblInciso[16].Caption = "4";
    onlyModules(f.lblModulo, f.lblFreqInc, {1, 4, 7, 10, 13}, 5);
    onlyModules(f.lblModuloB, f.lblFreIncB, {2, 3, 5, 11}, 4);
    setSwitches(f.lblCadenza, 1, 13, false);
    for (int i : {5, 7, 12}) f.lblCadenza[i].BackColor = ColoreAcceso;
    f.lblCadenza[0].Caption = "3";
    f.lblRip.Caption = "16";
    f.lblPulsante[5].BackColor = ColoreAcceso;  // "Random"
    f.lblPulsante[7].BackColor = ColoreSpento;  // "Commenti"
}

void oddWeights(frmKeloTrundo15& f) {
    ImpostaCollegamentiDefault(f);
    for (int i = 1; i <= 15; ++i) f.lblFreqIncisi[i].Caption = std::to_string(1 + (i * 5) % 16);
    for (int i = 1; i <= 13; ++i) {
        f.lblFreqInc[i].Caption = std::to_string(1 + (i * 3) % 16);
        f.lblFreIncB[i].Caption = std::to_string(16 - (i * 7) % 16);
        f.lblFreCad[i].Caption = std::to_string(1 + (i * 11) % 16);
    }
    f.lblFreqInc[26].Caption = "13";
    f.lblFreIncB[26].Caption = "9";
    const char* chords[10] = {"1", "1", "0", "3", "2", "9", "1", "16", "5", "1"};  // never FA+ after DO+
    for (int i = 1; i <= 9; ++i) f.lblAccordi[i].Caption = chords[i];
    const char* finals[5] = {"1", "0", "0", "7", "1"};
    for (int i = 1; i <= 4; ++i) f.lblNotafinale[i].Caption = finals[i];
    for (int i = 1; i <= 130; ++i)
        if (f.lblNota[i].Caption != "X") f.lblNota[i].Caption = std::to_string(1 + (i * 13) % 16);
    f.lblNota[91].Caption = "0";  // FA+: DO before si; only FA is left there
    f.lblRip.Caption = "5";
}

void smallestPools(frmKeloTrundo15& f) {
    ImpostaCollegamentiDefault(f);
    onlyModules(f.lblModulo, f.lblFreqInc, {1, 2, 9, 13}, 4);  // "4" among them: whole notes
    onlyModules(f.lblModuloB, f.lblFreIncB, {1, 6, 8, 12}, 4);
    f.lblFreqIncisi[0].BackColor = ColoreSpento;  // "Copy" off
}

const SettingsCase kSettings[] = {
    {"FactorySettings", resetAllToFactory},
    {"DesignValues", [](frmKeloTrundo15&) {}},
    {"SwitchesOff", switchesOff},
    {"OddWeights", oddWeights},
    {"SmallestPools", smallestPools},
};

// Link case of a (pivot, chord) pair, 1..13.
int linkCaseOf(const std::string& pivot, const std::string& chord) {
    for (int n = 1; n <= 13; ++n) {
        const LinkCase& c = kLinkCases[static_cast<size_t>(n - 1)];
        if (pivot == c.pivot && (chord == c.chord || (pivot != "DO" && pivot != "SOL" && pivot != "do'")))
            return n;
    }
    return 0;
}

// The candidates of each chord in the pivot matrix, and the base of their block.
struct PivotBlock {
    const char* chord;
    int base;
    std::vector<std::string> tones;
};
const PivotBlock* blockOf(const std::string& chord) {
    static const PivotBlock blocks[] = {{"DO+", 0, {"DO", "MI", "SOL", "do'"}},
                                        {"SOL+", 40, {"si", "RE", "SOL", "SI", "re'"}},
                                        {"FA+", 90, {"DO", "FA", "LA", "do'"}}};
    for (const PivotBlock& b : blocks)
        if (chord == b.chord) return &b;
    return nullptr;
}

bool isSwitchedOn(ControlArray<Label>& list, int lo, int hi, const std::string& caption) {
    for (int i = lo; i <= hi; ++i)
        if (list[i].Caption == caption) return list[i].BackColor == ColoreAcceso;
    return false;
}

// Every property a finished composition has, checked on the window it left.
void checkMelody(frmKeloTrundo15& f, int viewedCase) {
    SCOPED_TRACE("form " + f.lblInciso[23].Caption + ", cadence " + f.lblCadenza[14].Caption);

    // Song form: one that is switched on; its letters are characters 2..4.
    const std::string form = f.lblInciso[23].Caption;
    ASSERT_EQ(form.size(), 4u);
    EXPECT_TRUE(isSwitchedOn(f.lblInciso, 1, 15, form));
    EXPECT_EQ(f.lblInciso[24].Caption, "A");
    for (int m = 2; m <= 4; ++m) EXPECT_EQ(f.lblInciso[23 + m].Caption, form.substr(static_cast<size_t>(m - 1), 1));

    // Four different pairs of switched-on modules; equal letters, equal bars.
    for (int p = 1; p <= 4; ++p) {
        EXPECT_TRUE(isSwitchedOn(f.lblModulo, 1, 13, f.lblModuloScelto[p].Caption)) << p;
        EXPECT_TRUE(isSwitchedOn(f.lblModuloB, 1, 13, f.lblModuloSceltoB[p].Caption)) << p;
        for (int q = p + 1; q <= 4; ++q)
            EXPECT_FALSE(f.lblModuloScelto[p].Caption == f.lblModuloScelto[q].Caption &&
                         f.lblModuloSceltoB[p].Caption == f.lblModuloSceltoB[q].Caption)
                << p << " " << q;
    }
    for (int m = 1; m <= 4; ++m) {
        int p = f.lblInciso[23 + m].Caption[0] - 'A' + 1;
        EXPECT_EQ(f.lblMod[2 * m - 1].Caption, f.lblModuloScelto[p].Caption) << m;
        EXPECT_EQ(f.lblMod[2 * m].Caption, f.lblModuloSceltoB[p].Caption) << m;
    }

    // Rhythm codes: the split of each bar's module; the last half-bar ends it.
    for (int b = 1; b <= 8; ++b) {
        const ModuleSplit* m = splitOfModule(f.lblMod[b].Caption);
        ASSERT_NE(m, nullptr) << b;
        EXPECT_EQ(f.lblDueQuarti[2 * b - 1].Caption, m->first) << b;
        EXPECT_TRUE(b == 8 || f.lblDueQuarti[2 * b].Caption == m->second) << b;
    }
    const std::string& last = f.lblDueQuarti[16].Caption;
    EXPECT_TRUE(last == "2" || last == "0") << last;
    EXPECT_EQ(last == "0", f.lblMod[8].Caption == "4");
    for (int j = 1; j <= 16; ++j) {
        const std::string& code = f.lblDueQuarti[j].Caption;
        EXPECT_TRUE(code != "4" || (j % 2 == 1 && f.lblDueQuarti[j + 1].Caption == "0")) << j;
        EXPECT_TRUE(code != "0" || f.lblDueQuarti[j - 1].Caption == "4") << j;
    }

    // Harmony: DO+ first, the cadence's chords at 13..15, a held half-bar keeps its chord.
    EXPECT_EQ(f.lblArmonie[1].Caption, "DO+");
    std::istringstream words(f.lblCadenza[14].Caption);
    std::vector<std::string> cadence{std::istream_iterator<std::string>(words), {}};
    ASSERT_EQ(cadence.size(), 4u);
    EXPECT_EQ(cadence[3], "DO");
    const bool wholeAt15 = f.lblDueQuarti[15].Caption == "4";
    EXPECT_EQ(f.lblArmonie[13].Caption + f.lblArmonie[14].Caption + f.lblArmonie[15].Caption,
              cadence[0] + "+" + cadence[1] + "+" + (wholeAt15 ? "DO" : cadence[2]) + "+");
    EXPECT_TRUE(!wholeAt15 || f.lblArmonie[16].Caption == "DO+");
    EXPECT_TRUE(f.lblDueQuarti[13].Caption != "4" || cadence[0] == cadence[1]);
    for (int j = 2; j <= 16; ++j)
        EXPECT_TRUE(f.lblDueQuarti[j].Caption != "0" || f.lblArmonie[j].Caption == f.lblArmonie[j - 1].Caption) << j;
    for (int j = 2; j <= 15; ++j) EXPECT_NE(blockOf(f.lblArmonie[j].Caption), nullptr) << j;
    // A drawn chord (2..12) follows its predecessor in its section with a weight:
    // item 3(p-1)+n, DO+ 1, FA+ 2, SOL+ 3.
    auto chordNumber = [&](int j) { return std::string("DO+FA+SOL+").find(f.lblArmonie[j].Caption) / 3 + 1; };
    for (int j = 2; j <= 12; ++j)
        EXPECT_TRUE(f.lblDueQuarti[j].Caption == "0" || j % 4 == 1 ||
                    f.lblAccordi[static_cast<int>(3 * (chordNumber(j - 1) - 1) + chordNumber(j))].Caption != "0")
            << j << ": " << f.lblArmonie[j - 1].Caption << " to " << f.lblArmonie[j].Caption;

    // Pivots, from the end: a tone of the chord for every half-bar not held over,
    // with a weight (no "X", no "0") before the pivot that follows it in its
    // section (a copied section may meet its neighbours on any pivot).
    int next = wholeAt15 ? 15 : 16;
    for (int j = next - 1; j >= 1; --j) {
        const std::string& pivot = f.lblPerno[j].Caption;
        if (f.lblDueQuarti[j].Caption == "0") {
            EXPECT_EQ(pivot, "") << j;
            continue;
        }
        const PivotBlock* b = blockOf(f.lblArmonie[j].Caption);
        ASSERT_NE(b, nullptr);
        auto k = std::find(b->tones.begin(), b->tones.end(), pivot) - b->tones.begin();
        ASSERT_LT(static_cast<size_t>(k), b->tones.size()) << j << " " << pivot;
        const int item = b->base + pitchNumber(f.lblPerno[next].Caption) + 10 * static_cast<int>(k);
        const std::string& w = f.lblNota[item].Caption;
        EXPECT_TRUE((j - 1) / 4 != (next - 1) / 4 || (w != "X" && w != "0"))
            << j << ": " << pivot << " before " << f.lblPerno[next].Caption;
        next = j;
    }
    if (wholeAt15) {
        EXPECT_EQ(f.lblPerno[15].Caption + "|" + f.lblPerno[16].Caption, "DO|");
    } else {
        static const std::vector<std::string> finals = {"do'", "SOL", "MI", "DO"};
        auto it = std::find(finals.begin(), finals.end(), f.lblPerno[16].Caption);
        ASSERT_NE(it, finals.end());
        EXPECT_NE(f.lblNotafinale[static_cast<int>(it - finals.begin()) + 1].Caption, "0");
    }

    // Note slots by the code table; a linked half-bar holds a figure of its case.
    for (int j = 1; j <= 16; ++j) {
        const std::string& code = f.lblDueQuarti[j].Caption;
        const std::string& a = f.lblMelos[2 * j - 1].Caption;
        const std::string& b = f.lblMelos[2 * j].Caption;
        const std::string& pivot = f.lblPerno[j].Caption;
        if (code == "2" || code == "1 P" || code == "4" || code == "P 1" || code == "0") {
            EXPECT_EQ(a + "|" + b, code == "P 1" ? "|" + pivot : code == "0" ? "|" : pivot + "|") << j << " " << code;
        } else {
            ASSERT_TRUE(code == "1 1" || code == "RP") << code;
            int n = linkCaseOf(pivot, f.lblArmonie[j].Caption);
            ASSERT_GE(n, 1) << j;
            const LinkCase& c = kLinkCases[static_cast<size_t>(n - 1)];
            bool found = false;
            for (size_t k = 0; k < 8; ++k) found = found || (a == c.first[k] && b == c.second[k]);
            EXPECT_TRUE(found) << j << ": " << a << " " << b << " in case " << n;
        }
    }

    // The cadence's accompaniment: each code sounds its half-bar's chord (1-4 DO+, 5-7 FA+,
    // 8-12 SOL+), every change of chord is struck, and the melody closes on code 1.
    auto chordAt = [&](int j) { return j == 16 ? std::string("DO+") : f.lblArmonie[j].Caption; };
    for (int j = 13; j <= 16; ++j) {
        const std::string& code = f.lblAccomp[j].Caption;
        const int n = code.empty() ? 0 : std::stoi(code);
        const std::string sounds = n ? (n <= 4 ? "DO+" : n <= 7 ? "FA+" : "SOL+") : j > 13 ? chordAt(j - 1) : "";
        EXPECT_EQ(sounds, chordAt(j)) << j << ": " << code << " in " << f.lblCadenza[14].Caption;
    }
    const std::string closing = f.lblAccomp[15].Caption + "|" + f.lblAccomp[16].Caption;
    EXPECT_EQ(closing, f.lblArmonie[15].Caption == "DO+" ? "1|" : f.lblAccomp[15].Caption + "|1");

    // The window: composing state, and the link page the user was viewing.
    EXPECT_FALSE(f.cmdIncisi.Enabled || f.lblPulsante[3].Enabled || f.TxtCompositore.Visible);
    EXPECT_TRUE(f.FraStoComponendo.Visible && f.TmrMostraMelodia.Enabled());
    EXPECT_EQ(f.lblStoComponendo.Caption + f.lblIncrementa.Caption, "10");
    for (int j = 1; j <= 12; ++j) EXPECT_EQ(f.lblAccomp[j].Caption, "") << j;
    EXPECT_EQ(f.lblCercaNota[0].Caption, std::to_string(viewedCase));
    EXPECT_EQ(f.lblCercaNota[4].Caption, kLinkCases[static_cast<size_t>(viewedCase - 1)].pivot);
    for (int n = 1; n <= 80; ++n) {
        const Label& page = f.lblCollegamento[n];
        ASSERT_EQ(page.Caption, f.lblCollegamento[80 * viewedCase + n].Caption) << n;
        ASSERT_EQ(page.Enabled, page.Caption != "X") << n;
    }
}

class ComposeInvariants : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(ComposeInvariants, HoldForEveryComposition) {
    TestWindow w({.seed = 7});
    GetParam().prepare(w.f);
    for (int i = 0; i < 3000; ++i) {
        // The user pages to some case between compositions.
        int viewed = 1 + (i * 5) % 13;
        w.f.lblCercaNota[0].Caption = std::to_string(viewed);
        CaricaCasoCollegamento(w.f);
        CaricaPaginaCollegamento(w.f);
        cmdIncisi_Click(w.f);
        checkMelody(w.f, viewed);
        if (::testing::Test::HasFailure()) FAIL() << "composition " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Engine, ComposeInvariants, ::testing::ValuesIn(kSettings),
                         [](const ::testing::TestParamInfo<SettingsCase>& i) { return std::string(i.param.name); });

}  // namespace

TEST(ComposeDriver, StopsPlaybackAndPreparesTheWindowForTheReveal) {
    TestWindow w;
    frmKeloTrundo15& f = w.f;
    f.lblPulsante[7].BackColor = ColoreSpento;  // no comment
    // A piece under way, with its chord names printed and the help text shown.
    Label* counters[] = {&f.lblStepAudio,   &f.lblIndiceAcc, &f.lblCoeffAcc,
                         &f.lblCommandPrec, &f.lblCoeff,     &f.lblRipetizioni};
    for (Label* c : counters) c->Caption = "7";
    f.TmrAudio.SetEnabled(true);
    f.TmrReplay.SetEnabled(true);
    f.lblPulsante[3].Caption = "O";
    f.lblPulsante[3].BackColor = ColoreAcceso;
    f.lblPulsante[1].Enabled = false;
    for (int k = 1; k <= 32; ++k) f.ShpIndicatore[k].BackColor = ColoreAcceso;
    for (int j = 1; j <= 16; ++j) f.lblArmonie[j].Visible = true;
    f.lblAvvertimento.Visible = true;
    f.lblVariante.Enabled = f.lblScritteVarie[40].Visible = false;
    f.lblMem.Caption = "SOL+";
    f.cmdIncisi.Enabled = true;
    cmdIncisi_Click(f);

    EXPECT_FALSE(f.TmrAudio.Enabled() || f.TmrReplay.Enabled() || f.lblAvvertimento.Visible);
    EXPECT_TRUE(f.lblVariante.Enabled && f.lblScritteVarie[40].Visible && f.lblPulsante[1].Enabled);
    for (Label* c : counters) EXPECT_EQ(c->Caption, "0");
    EXPECT_EQ(f.lblPulsante[3].Caption, ">");
    EXPECT_EQ(f.lblPulsante[3].BackColor, ColoreSpento);
    for (int k = 1; k <= 32; ++k) EXPECT_EQ(f.ShpIndicatore[k].BackColor, ColoreSpento) << k;
    for (int j = 1; j <= 16; ++j) EXPECT_FALSE(f.lblArmonie[j].Visible) << j;
    std::vector<SoundEvent> expected;
    for (int i = 0; i <= 10; ++i) expected.push_back({"mmcPiano", i, "Close", 0});
    for (int i = 0; i <= 19; ++i) expected.push_back({"mmcAccordi", i, "Close", 0});
    EXPECT_EQ(w.hp.sound.events, expected);
    EXPECT_EQ(f.lblMem.Caption + f.lblCopyCollegamento[0].Caption + " " + f.lblCopyCollegamento[1].Caption, "2 160");
}

TEST(ComposeDriver, AsksThePersonaOncePerRevealOnlyWithCommentsOn) {
    TestWindow w;
    cmdIncisi_Click(w.f);
    ASSERT_EQ(w.hp.sound.events.size(), 4u);
    EXPECT_EQ(w.hp.sound.events[0], (SoundEvent{"mmcKelo", 1, "Close", 0}));
    EXPECT_EQ(w.f.lblKeloPrecedente.BackColor, ColoreAcceso);
    cmdIncisi_Click(w.f);  // the reveal has not ended: the persona is not ready
    w.f.lblKeloPrecedente.BackColor = ColoreKeloPronto;
    w.f.lblPulsante[7].BackColor = ColoreSpento;
    cmdIncisi_Click(w.f);
    EXPECT_EQ(w.hp.sound.events.size(), 4u);
    EXPECT_EQ(w.f.lblKeloPrecedente.BackColor, ColoreKeloPronto);
}

// The chance of a copy is lblRip in 16, read only with "Copy" on; "AABA" alone copies
// section 1 onto 2.
TEST(CopyGate, CopiesWithTheChanceOfTheRepeatSetting) {
    struct Case {
        uint64_t seed;
        const char* chance;
        bool copyOn;
        int compositions;
        double least, most;  // copied among the eligible
    } cases[] = {{3, "16", true, 400, 1.0, 1.0}, {4, "1", true, 3200, 0.6 / 16, 1.4 / 16},
                 {5, "not a number", false, 400, 0.0, 0.005}};
    for (const Case& c : cases) {
        TestWindow w({.seed = c.seed});
        w.f.lblRip.Caption = c.chance;
        w.f.lblFreqIncisi[0].BackColor = c.copyOn ? ColoreAcceso : ColoreSpento;
        setSwitches(w.f.lblInciso, 1, 15, false);
        w.f.lblInciso[3].BackColor = ColoreAcceso;
        int eligible = 0, copied = 0;
        for (int i = 0; i < c.compositions; ++i) {
            cmdIncisi_Click(w.f);
            if (w.f.lblDueQuarti[8].Caption == "RP") continue;  // a copy onto it is skipped
            ++eligible;
            copied += section(w.f, 1) == section(w.f, 2);
        }
        EXPECT_GT(eligible, c.compositions / 2) << c.chance;
        const double share = static_cast<double>(copied) / eligible;
        EXPECT_TRUE(share >= c.least && share <= c.most) << c.chance << ": " << share;
    }
    TestWindow w;
    w.f.lblRip.Caption = "not a number";
    EXPECT_THROW(cmdIncisi_Click(w.f), RuntimeError);
}

// Settings that make the nested restart happen exactly once, with every draw
// that matters scripted: only "AAAA", a first list of four modules drawn whole
// into the pool, a second list of one module. The pairs differ exactly when
// their first modules do.
namespace {
struct RestartScript {
    TestWindow w{{.seed = 11, .clock = {0, 0, 0}}};
    RestartScript() {
        setSwitches(w.f.lblInciso, 1, 15, false);
        w.f.lblInciso[1].BackColor = ColoreAcceso;
        onlyModules(w.f.lblModulo, w.f.lblFreqInc, {2, 6, 8, 10}, 4);
        onlyModules(w.f.lblModuloB, w.f.lblFreIncB, {11}, 1);
        w.f.lblFreqIncisi[0].BackColor = ColoreSpento;  // "Copy"
        w.f.lblPulsante[7].BackColor = ColoreSpento;    // "Commenti"
    }
    // One composition's rhythm draws up to pair 4: `firsts` are the first-list
    // modules (1..4 among the pool) of pairs 1..4.
    void pushRhythm(std::array<int, 4> firsts) {
        w.hp.random.push({0.5f});                                          // song form
        w.hp.random.push({uFor(1, 4), uFor(2, 4), uFor(3, 4), uFor(4, 4)});  // first pool
        w.hp.random.push({uFor(firsts[0], 4)});                            // pair 1, first
        w.hp.random.push({0.5f, 0.5f});                                    // second pool, pair 1 second
        for (int p = 1; p < 4; ++p) w.hp.random.push({uFor(firsts[static_cast<size_t>(p)], 4), 0.5f});
    }
    // Draws of the stages from the harmony on, fixed by the rhythm alone.
    int harmonyDraws() {
        frmKeloTrundo15& f = w.f;
        auto code = [&](int j) -> const std::string& { return f.lblDueQuarti[j].Caption; };
        bool wholeEnd = code(15) == "4";
        int n = 1;  // cadence
        for (int k = 2; k <= 12; ++k) n += code(k) != "0";
        n += wholeEnd ? 0 : 1;
        for (int i = 1; i <= (wholeEnd ? 14 : 15); ++i) n += code(i) != "0";
        for (int j = 1; j <= 16; ++j) n += code(j) == "1 1" || code(j) == "RP";
        return n;
    }
};
constexpr int kRhythmDraws = 1 + 4 + 1 + 2 + 2 * 3;
}  // namespace

// Pair 3 repeats pair 2: the nested composition runs in full, then the outer one goes
// on with its harmony, pivots, links and last gates ("Copy" and "Random": one draw each).
TEST(NestedRestart, OuterCompositionGoesOnFromTheHarmonyOverTheInnerRhythm) {
    RestartScript plain;
    plain.pushRhythm({1, 2, 3, 4});
    cmdIncisi_Click(plain.w.f);
    EXPECT_EQ(plain.w.hp.random.drawn, kRhythmDraws + plain.harmonyDraws());

    for (bool gates : {false, true}) {
        RestartScript s;
        s.w.f.lblFreqIncisi[0].BackColor = s.w.f.lblPulsante[5].BackColor = gates ? ColoreAcceso : ColoreSpento;
        s.pushRhythm({1, 2, 2, 3});
        s.pushRhythm({4, 3, 2, 1});
        cmdIncisi_Click(s.w.f);
        EXPECT_EQ(s.w.hp.random.drawn, 2 * kRhythmDraws + 2 * (s.harmonyDraws() + (gates ? 2 : 0))) << gates;
        EXPECT_EQ(joined(s.w.f.lblModuloScelto, 1, 4), "1 1 1 1|1 1 2|2 1 1|2 2");
        EXPECT_EQ(s.w.f.lblContaModuli.Caption + " " + s.w.f.lblMod[3].Caption, "4 1 1 1 1");  // "AAAA": pair 1
        checkMelody(s.w.f, 2);
    }
}

// Pools that can give only one pair (or only one pair 2) stop with an error that
// says why; the next press counts its own restarts from zero.
TEST(NestedRestart, StopsWithAClearErrorWhenThePoolsCannotGiveFourPairs) {
    for (auto [secondPool, why] : {std::pair{2, "restarted 1000 times"}, std::pair{1, "pair 2"}}) {
        TestWindow w;
        onlyModules(w.f.lblModulo, w.f.lblFreqInc, {2, 3, 4, 5}, 1);
        onlyModules(w.f.lblModuloB, w.f.lblFreIncB, {2, 3, 4, 5}, secondPool);
        try {
            cmdIncisi_Click(w.f);
            ADD_FAILURE() << why;
        } catch (const RuntimeError& e) {
            EXPECT_NE(std::string(e.what()).find(why), std::string::npos) << e.what();
        }
        w.f.lblFreqInc[26].Caption = "4";
        w.f.lblFreIncB[26].Caption = "4";
        for (int i = 0; i < 200; ++i) ASSERT_NO_THROW(cmdIncisi_Click(w.f)) << why;
    }
}
