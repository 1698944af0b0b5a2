#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/colours.h"
#include "model/main_window.h"
#include "model/pivot_grid.h"
#include "platform/headless/headless_platform.h"
#include "platform/runtime_error.h"
#include "settings/factory_defaults.h"

using namespace kelo;

namespace {

struct FactoryDefaults : ::testing::Test {
    HeadlessPlatform hp;
    frmKeloTrundo15 f{hp.platform};

    void press(int i) {
        lblDefault_MouseDown(f, i, MouseArgs{});
        lblDefault_MouseUp(f, i, MouseArgs{});
    }
    static std::vector<std::string> captions(ControlArray<Label>& a, int lo, int hi) {
        std::vector<std::string> v;
        for (int k = lo; k <= hi; ++k) v.push_back(a[k].Caption);
        return v;
    }
    static std::vector<std::string> texts(std::initializer_list<int> numbers) {
        std::vector<std::string> v;
        for (int n : numbers) v.push_back(std::to_string(n));
        return v;
    }
    static bool allOn(ControlArray<Label>& a, int lo, int hi) {
        for (int k = lo; k <= hi; ++k)
            if (a[k].BackColor != ColoreAcceso) return false;
        return true;
    }
};

}  // namespace

TEST_F(FactoryDefaults, ButtonOneRestoresTheFirstModuleListOnly) {
    for (int k = 5; k <= 13; ++k) f.lblModulo[k].BackColor = ColoreSpento;
    f.lblFreqInc[25].Caption = "4";
    f.lblFreqInc[26].Caption = "4";
    f.lblFreqInc[3].Caption = "16";
    f.lblModuloB[2].BackColor = ColoreSpento;
    f.lblFreIncB[1].Caption = "3";

    press(1);
    EXPECT_TRUE(allOn(f.lblModulo, 1, 13));
    EXPECT_EQ(f.lblFreqInc[25].Caption, "13");
    EXPECT_EQ(f.lblFreqInc[26].Caption, "6");
    EXPECT_EQ(captions(f.lblFreqInc, 1, 13), texts({8, 12, 1, 7, 1, 12, 6, 10, 10, 12, 5, 8, 3}));
    EXPECT_EQ(f.lblModuloB[2].BackColor, ColoreSpento);
    EXPECT_EQ(f.lblFreIncB[1].Caption, "3");
}

TEST_F(FactoryDefaults, ButtonTwoRestoresTheSecondModuleList) {
    f.lblModuloB[13].BackColor = ColoreSpento;
    f.lblFreIncB[25].Caption = "12";
    press(2);
    EXPECT_TRUE(allOn(f.lblModuloB, 1, 13));
    EXPECT_EQ(f.lblFreIncB[25].Caption, "13");
    EXPECT_EQ(f.lblFreIncB[26].Caption, "6");  // "4" at design time
    EXPECT_EQ(captions(f.lblFreIncB, 1, 13), texts({12, 12, 8, 2, 4, 12, 7, 12, 3, 10, 5, 7, 5}));
    EXPECT_EQ(captions(f.lblFreqInc, 1, 13), std::vector<std::string>(13, "16"));  // first list untouched
}

TEST_F(FactoryDefaults, ButtonThreeRestoresSongFormsCopyAndRepeatChance) {
    f.lblFreqIncisi[0].BackColor = ColoreSpento;
    for (int k : {2, 7, 15}) f.lblInciso[k].BackColor = ColoreSpento;
    f.lblInciso[16].Caption = "12";
    press(3);
    EXPECT_TRUE(allOn(f.lblInciso, 1, 15));
    EXPECT_EQ(f.lblInciso[16].Caption, "15");
    EXPECT_EQ(f.lblFreqIncisi[0].BackColor, ColoreAcceso);
    EXPECT_EQ(f.lblRip.Caption, "10");
    EXPECT_EQ(captions(f.lblFreqIncisi, 1, 15), texts({10, 14, 13, 10, 12, 9, 7, 6, 11, 8, 5, 4, 3, 2, 1}));
    EXPECT_EQ(f.lblFreqIncisi[16].Caption, "1");  // held index untouched
}

TEST_F(FactoryDefaults, ButtonFourRestoresChordsAndFinalNotes) {
    press(4);
    EXPECT_EQ(captions(f.lblAccordi, 1, 9), texts({16, 6, 9, 1, 2, 4, 12, 2, 7}));
    EXPECT_EQ(captions(f.lblNotafinale, 1, 4), texts({12, 0, 1, 16}));  // SOL is out of the draw
}

TEST_F(FactoryDefaults, ButtonFiveRestoresTheBankAndShowsTheCaseOnView) {
    f.lblCercaNota[0].Caption = "7";  // the page shows case 7, its cells still those of case 2
    for (int i = 1; i <= 80; ++i) f.lblCollegamento[i].BackColor = 0x010203;
    press(5);
    EXPECT_EQ(f.lblCercaNota[0].Caption, "7");
    EXPECT_EQ(f.lblCercaNota[3].Caption, "DO+");
    EXPECT_EQ(f.lblCercaNota[4].Caption, "SOL");
    EXPECT_EQ(f.lblCercaNota[5].Caption, "560");
    EXPECT_EQ(f.lblNotaA[8].Caption, "FA");
    EXPECT_EQ(f.lblNotaB[1].Caption, "do'");
    EXPECT_EQ(f.lblCollegamento[81].Caption, "X");
    EXPECT_EQ(f.lblCollegamento[1113].Caption, "16");  // other cases are refilled too
    int xCells = 0;
    for (int k = 1; k <= 80; ++k) {
        const Label& page = f.lblCollegamento[k];
        EXPECT_EQ(page.Caption, f.lblCollegamento[560 + k].Caption) << k;
        EXPECT_EQ(page.Enabled, page.Caption != "X") << k;
        EXPECT_EQ(page.BackColor, 0x010203u) << k;
        xCells += page.Caption == "X" ? 1 : 0;
    }
    EXPECT_EQ(xCells, 29);  // counted from the factory rows of case 7
    // Row of next pivot MI (page cells 25..32): 10 4 8 X 16 6 2 1.
    EXPECT_EQ(f.lblCollegamento[25].Caption, "10");
    EXPECT_EQ(f.lblCollegamento[28].Caption, "X");
    EXPECT_FALSE(f.lblCollegamento[28].Enabled);
}

TEST_F(FactoryDefaults, ButtonSixRestoresPivotWeightsAndKeepsTheForbiddenCells) {
    std::vector<std::string> design = captions(f.lblNota, 1, 130);  // design values are the factory ones
    for (int item = 1; item <= 130; ++item)
        if (f.lblNota[item].Caption != "X") f.lblNota[item].Caption = "3";
    press(6);
    EXPECT_EQ(captions(f.lblNota, 1, 130), design);
    int forbidden = 0;
    for (int item = 1; item <= 130; ++item) {
        if (f.lblNota[item].Caption == "X") {
            ++forbidden;
            EXPECT_FALSE(f.lblNota[item].Enabled) << item;
            EXPECT_TRUE(isForbiddenPivotCell(item)) << item;
        }
    }
    EXPECT_EQ(forbidden, 23);
    // Samples of the grid: DO+/DO before si, SOL+/RE before MI, FA+/do' before re'.
    EXPECT_EQ(f.lblNota[1].Caption, "8");
    EXPECT_EQ(f.lblNota[54].Caption, "10");
    EXPECT_EQ(f.lblNota[130].Caption, "12");
    EXPECT_EQ(f.lblNota[45].Caption, "X");
}

TEST_F(FactoryDefaults, ButtonSevenRestoresCadences) {
    for (int k : {1, 4, 13}) f.lblCadenza[k].BackColor = ColoreSpento;
    f.lblCadenza[0].Caption = "10";
    press(7);
    EXPECT_TRUE(allOn(f.lblCadenza, 1, 13));
    EXPECT_EQ(f.lblCadenza[0].Caption, "13");
    EXPECT_EQ(captions(f.lblFreCad, 1, 13), texts({1, 4, 9, 5, 2, 16, 8, 6, 3, 12, 14, 12, 7}));
}

TEST_F(FactoryDefaults, OnlyButtonZeroRenamesTheProfile) {
    f.lblScritteVarie[75].Caption = "Profilo caricato";
    for (int i = 1; i <= 7; ++i) {
        press(i);
        EXPECT_EQ(f.lblScritteVarie[75].Caption, "Profilo caricato") << i;
    }

    // Button 0 also resets every group: undo a few of them first.
    f.lblRip.Caption = "3";
    f.lblFreCad[6].Caption = "1";
    f.lblCollegamento[200].Caption = "9";
    f.lblFreIncB[26].Caption = "4";
    press(0);
    EXPECT_EQ(f.lblScritteVarie[75].Caption, "Kelo (trundo) 2020");
    EXPECT_EQ(f.lblRip.Caption, "10");
    EXPECT_EQ(f.lblFreCad[6].Caption, "16");
    EXPECT_EQ(f.lblCollegamento[200].Caption, "X");
    EXPECT_EQ(f.lblFreIncB[26].Caption, "6");
}

TEST_F(FactoryDefaults, ButtonsShowThePressedLookUntilReleased) {
    for (int i = 0; i <= 7; ++i) {
        lblDefault_MouseDown(f, i, MouseArgs{2, 1, 10, 10});
        EXPECT_EQ(f.lblDefault[i].BackColor, 0x80FFFFu) << i;
        EXPECT_EQ(f.lblDefault[i].BorderStyle, 1) << i;
        lblDefault_MouseUp(f, i, MouseArgs{2, 1, 10, 10});
        EXPECT_EQ(f.lblDefault[i].BackColor, 0xE6BEB3u) << i;
        EXPECT_EQ(f.lblDefault[i].BorderStyle, 0) << i;
    }
    EXPECT_THROW(lblDefault_MouseDown(f, 8, MouseArgs{}), RuntimeError);
}

TEST_F(FactoryDefaults, NoButtonTouchesTempoHeldIndicesCaseOnViewOrMelody) {
    f.lblVeloc[0].Caption = "5";
    f.lblVeloc[4].Caption = "300";
    f.lblNota[0].Caption = "77";
    f.lblFreqInc[0].Caption = "26";
    f.lblCollegamento[0].Caption = "12";
    f.lblCercaNota[0].Caption = "4";
    f.lblMelos[3].Caption = "MI";
    f.lblCadenza[14].Caption = "DO FA SOL DO";
    f.lblModulo[2].BorderStyle = 1;
    press(0);
    EXPECT_EQ(f.lblVeloc[0].Caption, "5");
    EXPECT_EQ(f.lblVeloc[4].Caption, "300");
    EXPECT_EQ(f.lblNota[0].Caption, "77");
    EXPECT_EQ(f.lblFreqInc[0].Caption, "26");
    EXPECT_EQ(f.lblCollegamento[0].Caption, "12");
    EXPECT_EQ(f.lblCercaNota[0].Caption, "4");
    EXPECT_EQ(f.lblMelos[3].Caption, "MI");
    EXPECT_EQ(f.lblCadenza[14].Caption, "DO FA SOL DO");
    EXPECT_EQ(f.lblModulo[2].BorderStyle, 1);
}
