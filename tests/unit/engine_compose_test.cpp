// The compose button under settings the golden compositions do not run: only
// what is switched on and weighted is ever drawn, the four module pairs differ,
// the page on show comes back; and the driver's own gates and stops.
#include <gtest/gtest.h>

#include <array>

#include "app/compose_button.h"
#include "engine/compose.h"
#include "engine/harmony.h"
#include "platform/runtime_error.h"
#include "presets/link_presets.h"
#include "support/cells.h"
#include "support/raises.h"
#include "support/test_window.h"

using namespace kelo;
using namespace kelo::support;

namespace {

void switchesOff(frmKeloTrundo15& f) {
    ImpostaCollegamentiDefault(f);
    setSwitches(f.lblInciso, 1, 15, false);
    for (int i : {3, 6, 7, 15}) f.lblInciso[i].BackColor = ColoreAcceso;  // AABA, ABAB, ABBA, ABCD
    onlyModules(f.lblModulo, f.lblFreqInc, {1, 4, 7, 10, 13}, 5);
    onlyModules(f.lblModuloB, f.lblFreIncB, {2, 3, 5, 11}, 4);
    setSwitches(f.lblCadenza, 1, 13, false);
    for (int i : {5, 7, 12}) f.lblCadenza[i].BackColor = ColoreAcceso;
    f.lblPulsante[5].BackColor = ColoreAcceso;  // "Random"
}

// Weights of 0 wherever a record may bring them: never drawn.
void zeroWeights(frmKeloTrundo15& f) {
    ImpostaCollegamentiDefault(f);
    for (int i = 1; i <= 15; ++i) f.lblFreqIncisi[i].Caption = std::to_string(i % 3 ? 0 : i);
    for (int i = 1; i <= 13; ++i) {
        f.lblFreqInc[i].Caption = std::to_string(i % 2 ? 16 - i : 0);
        f.lblFreCad[i].Caption = std::to_string(i % 4 ? i : 0);
    }
    f.lblFreqInc[26].Caption = "7";
    const char* chords[10] = {"1", "1", "0", "3", "2", "9", "1", "16", "5", "1"};  // never FA+ after DO+
    for (int i = 1; i <= 9; ++i) f.lblAccordi[i].Caption = chords[i];
    const char* finals[5] = {"1", "0", "0", "7", "1"};
    for (int i = 1; i <= 4; ++i) f.lblNotafinale[i].Caption = finals[i];
    for (int i = 1; i <= 130; ++i)
        if (f.lblNota[i].Caption != "X") f.lblNota[i].Caption = std::to_string((i * 13) % 7);
    f.lblNota[91].Caption = "0";
}

bool isOnIn(ControlArray<Label>& list, int count, const std::string& caption, ControlArray<Label>* weights = nullptr) {
    for (int i = 1; i <= count; ++i)
        if (list[i].Caption == caption)
            return list[i].BackColor == ColoreAcceso && (!weights || (*weights)[i].Caption != "0");
    return false;
}

int chordNumber(const std::string& chord) { return chord == "DO+" ? 1 : chord == "FA+" ? 2 : 3; }

// The weight of `pivot` under `chord` before the pivot `next`: the cell of lblNota.
const std::string& pivotWeight(frmKeloTrundo15& f, const std::string& chord, const std::string& pivot,
                               const std::string& next) {
    static const std::array<std::string, 5> tones[3] = {
        {"DO", "MI", "SOL", "do'"}, {"DO", "FA", "LA", "do'"}, {"si", "RE", "SOL", "SI", "re'"}};
    const int c = chordNumber(chord) - 1;
    const auto k = std::find(tones[c].begin(), tones[c].end(), pivot) - tones[c].begin();
    return f.lblNota[std::array{0, 90, 40}[c] + pitchNumber(next) + 10 * static_cast<int>(k)].Caption;
}

// What holds for any settings: every drawn item is switched on and weighted. Within
// a section only: a copied section meets its neighbours on any chord and pivot.
void checkMelody(frmKeloTrundo15& f, int viewedCase) {
    EXPECT_TRUE(isOnIn(f.lblInciso, 15, f.lblInciso[23].Caption, &f.lblFreqIncisi)) << f.lblInciso[23].Caption;
    for (int p = 1; p <= 4; ++p) {
        EXPECT_TRUE(isOnIn(f.lblModulo, 13, f.lblModuloScelto[p].Caption, &f.lblFreqInc)) << p;
        EXPECT_TRUE(isOnIn(f.lblModuloB, 13, f.lblModuloSceltoB[p].Caption, &f.lblFreIncB)) << p;
        for (int q = p + 1; q <= 4; ++q)
            EXPECT_NE(f.lblModuloScelto[p].Caption + "|" + f.lblModuloSceltoB[p].Caption,
                      f.lblModuloScelto[q].Caption + "|" + f.lblModuloSceltoB[q].Caption);
    }
    if (f.lblDueQuarti[13].Caption != "4") {  // else a rewrite that may be off
        EXPECT_TRUE(isOnIn(f.lblCadenza, 13, f.lblCadenza[14].Caption, &f.lblFreCad)) << f.lblCadenza[14].Caption;
    }
    for (int j = 2; j <= 12; ++j) {
        const int item = 3 * (chordNumber(f.lblArmonie[j - 1].Caption) - 1) + chordNumber(f.lblArmonie[j].Caption);
        EXPECT_TRUE(f.lblDueQuarti[j].Caption == "0" || j % 4 == 1 || f.lblAccordi[item].Caption != "0") << j;
    }
    const bool wholeEnd = f.lblDueQuarti[15].Caption == "4";
    const int final = 1 + static_cast<int>(std::string("do'SOLMIDO").find(f.lblPerno[16].Caption)) / 3;
    EXPECT_TRUE(wholeEnd || f.lblNotafinale[final].Caption != "0") << f.lblPerno[16].Caption;
    for (int j = wholeEnd ? 14 : 15, next = j + 1; j >= 1; --j) {
        if (f.lblDueQuarti[j].Caption == "0") continue;
        const std::string& w = pivotWeight(f, f.lblArmonie[j].Caption, f.lblPerno[j].Caption, f.lblPerno[next].Caption);
        EXPECT_TRUE((j - 1) / 4 != (next - 1) / 4 || (w != "X" && w != "0")) << j;
        next = j;
    }
    EXPECT_EQ(f.lblCercaNota[0].Caption, std::to_string(viewedCase));
    for (int n = 1; n <= 80; ++n) {
        const Label& page = f.lblCollegamento[n];
        ASSERT_EQ(page.Caption, f.lblCollegamento[80 * viewedCase + n].Caption) << n;
        ASSERT_EQ(page.Enabled, page.Caption != "X") << n;
    }
}

}  // namespace

TEST(ComposeSweep, OnlyWhatIsSwitchedOnAndWeightedIsDrawn) {
    for (auto prepare : {switchesOff, zeroWeights}) {
        TestWindow w({.seed = 7});
        prepare(w.f);
        for (int i = 0; i < 1500; ++i) {
            const int viewed = 1 + (i * 5) % 13;  // the user pages to some case between compositions
            w.f.lblCercaNota[0].Caption = std::to_string(viewed);
            CaricaCasoCollegamento(w.f);
            CaricaPaginaCollegamento(w.f);
            cmdIncisi_Click(w.f);
            checkMelody(w.f, viewed);
            if (::testing::Test::HasFailure()) FAIL() << "composition " << i;
        }
    }
}

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
    f.lblPulsante[1].Enabled = f.lblVariante.Enabled = f.lblScritteVarie[40].Visible = false;
    setSwitches(f.ShpIndicatore, 1, 32, true);
    for (int j = 1; j <= 16; ++j) f.lblArmonie[j].Visible = true;
    f.lblAvvertimento.Visible = true;
    f.lblMem.Caption = "SOL+";
    cmdIncisi_Click(f);

    EXPECT_FALSE(f.TmrAudio.Enabled() || f.TmrReplay.Enabled() || f.lblAvvertimento.Visible);
    EXPECT_TRUE(f.lblVariante.Enabled && f.lblScritteVarie[40].Visible && f.lblPulsante[1].Enabled);
    for (Label* c : counters) EXPECT_EQ(c->Caption, "0");
    EXPECT_EQ(f.lblPulsante[3].Caption, ">");
    EXPECT_EQ(f.lblPulsante[3].BackColor, ColoreSpento);
    for (int k = 1; k <= 32; ++k) EXPECT_EQ(f.ShpIndicatore[k].BackColor, ColoreSpento) << k;
    for (int j = 1; j <= 16; ++j) EXPECT_FALSE(f.lblArmonie[j].Visible) << j;
    std::vector<SoundEvent> closed;
    for (int i = 0; i <= 10; ++i) closed.push_back({"mmcPiano", i, "Close", 0});
    for (int i = 0; i <= 19; ++i) closed.push_back({"mmcAccordi", i, "Close", 0});
    EXPECT_EQ(w.hp.sound.events, closed);
    EXPECT_EQ(f.lblMem.Caption + f.lblCopyCollegamento[0].Caption + " " + f.lblCopyCollegamento[1].Caption, "2 160");
}

// The section copy runs when its draw of 1..16 is at most lblRip; with "Copy" off
// nothing is drawn and lblRip is not read.
TEST(CopyGate, CopiesWhenTheDrawIsAtMostTheChance) {
    const struct {
        bool copyOn;
        const char* chance;
        int r;
        bool copied;
    } rows[] = {{true, "5", 5, true}, {true, "5", 6, false}, {true, "16", 16, true}, {false, "not a number", 1, false}};
    for (const auto& row : rows) {
        TestWindow w({.clock = {0, 0, 0}});
        cmdIncisi_Click(w.f);
        w.f.lblInciso[23].Caption = "AABA";  // section 1 onto 2
        w.f.lblDueQuarti[8].Caption = "2";
        w.f.lblFreqIncisi[0].BackColor = row.copyOn ? ColoreAcceso : ColoreSpento;
        w.f.lblRip.Caption = row.chance;
        w.hp.random.push({uFor(row.r, 16)});
        const int drawn = w.hp.random.drawn;
        RifinisciMelodia(w.f);
        EXPECT_EQ(section(w.f, 1) == section(w.f, 2), row.copied) << row.chance << " " << row.r;
        EXPECT_EQ(w.hp.random.drawn - drawn, row.copyOn ? 1 : 0);
    }
    TestWindow w;
    w.f.lblRip.Caption = "not a number";
    EXPECT_THROW(cmdIncisi_Click(w.f), RuntimeError);
}

// Pools that can give only one pair (or only one pair 2) stop with an error that
// says why; the next press counts its own restarts from zero.
TEST(NestedRestart, StopsWithAClearErrorWhenThePoolsCannotGiveFourPairs) {
    for (auto [secondPool, why] : {std::pair{2, "restarted 1000 times"}, std::pair{1, "pair 2"}}) {
        TestWindow w;
        onlyModules(w.f.lblModulo, w.f.lblFreqInc, {2, 3, 4, 5}, 1);
        onlyModules(w.f.lblModuloB, w.f.lblFreIncB, {2, 3, 4, 5}, secondPool);
        EXPECT_TRUE(raises(
            ErrorCode::InvalidCall, [&] { cmdIncisi_Click(w.f); }, why));
        w.f.lblFreqInc[26].Caption = w.f.lblFreIncB[26].Caption = "4";
        for (int i = 0; i < 200; ++i) ASSERT_NO_THROW(cmdIncisi_Click(w.f)) << why;
    }
}
