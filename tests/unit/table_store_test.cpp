#include <gtest/gtest.h>

#include "model/colours.h"
#include "model/main_window.h"
#include "model/splash_window.h"
#include "platform/cell_number.h"
#include "platform/headless/headless_platform.h"

using namespace kelo;

namespace {
struct Store : ::testing::Test {
    HeadlessPlatform hp;
    frmKeloTrundo15 f{hp.platform};
};

void expectNoElement(const std::function<void()>& access) {
    try {
        access();
        FAIL() << "an index outside the design indices was accepted";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), ErrorCode::NoSuchElement);
    }
}
}  // namespace

TEST_F(Store, ArraysKeepTheirDesignIndicesAndGaps) {
    EXPECT_TRUE(f.lblInciso.has(16));
    EXPECT_TRUE(f.lblInciso.has(23));
    for (int gap = 17; gap <= 22; ++gap) EXPECT_FALSE(f.lblInciso.has(gap)) << gap;
    expectNoElement([&] { f.lblInciso[20].Caption = "x"; });
    expectNoElement([&] { (void)f.lblFreqInc[24].Caption; });
    expectNoElement([&] { (void)f.lblNotaB[0]; });
    expectNoElement([&] { (void)f.lblCollegamento[1121]; });
    expectNoElement([&] { (void)f.ShpIndicatore[-1]; });
    expectNoElement([&] { (void)f.lblScritteVarie[80]; });
    EXPECT_EQ(f.lblScritteVarie[87].Caption, "Vuoi davvero abbandonarmi?");
    EXPECT_EQ(f.lblFreqInc[26].Index, 26);
    EXPECT_EQ(std::string(f.lblFreqInc[26].Name), "lblFreqInc");
}

TEST_F(Store, SettingsTablesHoldTheirDesignValues) {
    EXPECT_EQ(f.lblInciso[1].Caption, "AAAA");
    EXPECT_EQ(f.lblInciso[15].Caption, "ABCD");
    EXPECT_EQ(f.lblInciso[16].Caption, "15");
    for (int k = 1; k <= 15; ++k) {
        EXPECT_EQ(f.lblInciso[k].BackColor, ColoreAcceso);
        EXPECT_EQ(f.lblFreqIncisi[k].Caption, "16");
    }
    EXPECT_EQ(f.lblFreqIncisi[0].Caption, "Copy");
    EXPECT_EQ(f.lblFreqIncisi[0].BackColor, ColoreAcceso);
    EXPECT_EQ(f.lblRip.Caption, "12");
    EXPECT_EQ(f.lblCadenza[0].Caption, "13");
    EXPECT_EQ(f.lblCadenza[8].Caption, "DO SOL SOL DO");
    EXPECT_EQ(f.lblCadenza[14].Caption, "");
    EXPECT_EQ(f.lblModulo[4].Caption, "P 1 RP");
    EXPECT_EQ(f.lblModuloB[13].Caption, "RP RP");
    EXPECT_EQ(f.lblFreqInc[25].Caption, "13");
    EXPECT_EQ(f.lblFreqInc[26].Caption, "6");
    EXPECT_EQ(f.lblFreIncB[26].Caption, "4");
    const char* chords[10] = {"1", "16", "4", "8", "1", "1", "2", "12", "1", "6"};
    for (int i = 0; i <= 9; ++i) EXPECT_EQ(f.lblAccordi[i].Caption, chords[i]) << i;
    const char* finals[5] = {"1", "12", "1", "2", "16"};
    for (int i = 0; i <= 4; ++i) EXPECT_EQ(f.lblNotafinale[i].Caption, finals[i]) << i;
    EXPECT_EQ(f.lblVeloc[0].Caption, "13");
    EXPECT_EQ(f.lblVeloc[4].Caption, "114");
    EXPECT_EQ(f.lblScritteVarie[75].Caption, "Kelo (trundo) 2020");
    for (int i = 0; i <= 7; ++i) EXPECT_EQ(f.lblDefault[i].BackColor, ColoreDefault);
}

TEST_F(Store, PivotMatrixHasExactlyItsTwentyThreeDisabledXCells) {
    const int xs[] = {8, 10, 20, 31, 33, 45, 47, 48, 49, 50, 59, 71, 72, 75, 81, 82, 84, 98, 100, 108, 111, 121, 123};
    int found = 0;
    for (int i = 1; i <= 130; ++i) {
        bool isX = std::find(std::begin(xs), std::end(xs), i) != std::end(xs);
        const Label& c = f.lblNota[i];
        EXPECT_EQ(c.Caption == "X", isX) << i;
        EXPECT_EQ(c.Enabled, !isX) << i;
        if (isX) {
            ++found;
        } else {
            int w = val16(c.Caption);
            EXPECT_TRUE(w >= 1 && w <= 12) << i;
        }
    }
    EXPECT_EQ(found, 23);
    // Spot checks of whole blocks: DO+/DO and FA+/do'.
    EXPECT_EQ(f.lblNota[1].Caption, "8");
    EXPECT_EQ(f.lblNota[3].Caption, "12");
    EXPECT_EQ(f.lblNota[130].Caption, "12");
    EXPECT_EQ(f.lblNota[56].Caption, "4");  // SOL+/RE before SOL
}

TEST_F(Store, LinkPageBankAndPagerStartOnCaseTwo) {
    for (int i = 81; i <= 1120; ++i) ASSERT_EQ(f.lblCollegamento[i].Caption, "1") << i;
    EXPECT_EQ(f.lblCollegamento[4].Caption, "X");
    EXPECT_FALSE(f.lblCollegamento[4].Enabled);
    EXPECT_EQ(f.lblCollegamento[6].Caption, "6");
    EXPECT_EQ(f.lblCercaNota[0].Caption, "2");
    EXPECT_EQ(f.lblCercaNota[3].Caption, "DO+");
    EXPECT_EQ(f.lblCercaNota[4].Caption, "DO");
    EXPECT_EQ(f.lblCercaNota[5].Caption, "160");
    EXPECT_EQ(f.lblNotaA[0].Caption, "Nota:");
    EXPECT_EQ(f.lblNotaA[7].Caption, "RE");
    EXPECT_EQ(f.lblNotaB[1].Caption, "do'");
    EXPECT_FALSE(f.Frame1[1].Visible);
    EXPECT_TRUE(f.lblCollegamento[500].Visible);
    EXPECT_EQ(f.lblCollegamento[500].Container, &f.Frame1[1]);
}

TEST_F(Store, WorkingStateStartsWhereTheCodeExpectsIt) {
    EXPECT_EQ(f.lblInciso[24].Caption, "A");
    EXPECT_EQ(f.lblInciso[25].Caption, "");
    EXPECT_EQ(f.lblStoComponendo.Caption, "1");
    EXPECT_EQ(f.lblPrecedente.Caption, "10");
    EXPECT_EQ(f.lblKeloPrecedente.BackColor, ColoreKeloPronto);
    EXPECT_EQ(f.lblScegliTitolo[1].BorderStyle, 1);
    EXPECT_EQ(f.lblScegliTitolo[2].BorderStyle, 0);
    EXPECT_EQ(f.lblPulsante[0].Caption, "Bis");
    EXPECT_EQ(f.lblPulsante[3].Caption, ">");
    EXPECT_EQ(f.lblPulsante[3].BorderStyle, 1);
    EXPECT_FALSE(f.lblPulsante[2].Visible);
    EXPECT_EQ(f.lblPulsante[5].BackColor, ColoreSpento);
    EXPECT_TRUE(f.lblPuls[0].Enabled);
    for (int i = 1; i <= 4; ++i) EXPECT_FALSE(f.lblPuls[i].Enabled);
    EXPECT_FALSE(f.cmdIncisi.Enabled);
    EXPECT_FALSE(f.lblVariante.Enabled);
    EXPECT_FALSE(f.lblArmonie[16].Visible);
    EXPECT_TRUE(f.lblArmonie[15].Visible);
    EXPECT_EQ(f.ShpIndicatore[0].BackColor, ColoreAcceso);
    EXPECT_EQ(f.TxtCompositore.Text, "by KELO (trundo) 2020");
    for (Timer* t : f.timers()) EXPECT_FALSE(t->Enabled()) << t->Name;
    EXPECT_EQ(f.TmrAudio.Interval(), 114);
    EXPECT_EQ(f.TmrPagina.Interval(), 150);
    EXPECT_EQ(f.TmrProvaErrore.Interval(), 4500);
}

TEST_F(Store, HiddenPanelsHoldTheirTablesAndHideThem) {
    EXPECT_FALSE(f.Frame3.Visible);
    EXPECT_EQ(f.Frame3.BackColor, ColoreVerde);
    EXPECT_EQ(f.lblMelos[5].Container, &f.Frame3);
    EXPECT_FALSE(shownOnScreen(f.lblMelos[5]));
    EXPECT_FALSE(acceptsInput(f.lblFreqInc[0]));
    f.Frame3.Visible = true;
    EXPECT_TRUE(acceptsInput(f.lblFreqInc[0]));
    EXPECT_FALSE(shownOnScreen(f.FraESci));
    EXPECT_EQ(f.lblScritteVarie[87].Container, &f.FraESci);
}
