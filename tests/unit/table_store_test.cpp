#include <gtest/gtest.h>

#include "model/main_window.h"
#include "platform/headless/headless_platform.h"

using namespace kelo;

namespace {
struct Store : ::testing::Test {
    HeadlessPlatform hp;
    frmKeloTrundo15 f{hp.platform};
};
}  // namespace

TEST_F(Store, ArraysKeepTheirDesignIndicesAndGaps) {
    for (int gap = 17; gap <= 22; ++gap) EXPECT_FALSE(f.lblInciso.has(gap)) << gap;
    EXPECT_TRUE(f.lblInciso.has(16) && f.lblInciso.has(23));
    const std::pair<const char*, std::function<void()>> outside[] = {
        {"lblInciso(20)", [&] { f.lblInciso[20].Caption = "x"; }},
        {"lblFreqInc(24)", [&] { (void)f.lblFreqInc[24]; }},
        {"lblNotaB(0)", [&] { (void)f.lblNotaB[0]; }},
        {"lblCollegamento(1121)", [&] { (void)f.lblCollegamento[1121]; }},
        {"ShpIndicatore(-1)", [&] { (void)f.ShpIndicatore[-1]; }},
    };
    for (const auto& [name, access] : outside) {
        try {
            access();
            ADD_FAILURE() << name << " was accepted";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.code(), ErrorCode::NoSuchElement) << name;
            EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
        }
    }
    EXPECT_EQ(f.lblFreqInc[26].Index, 26);
}

TEST_F(Store, ForbiddenPivotCellsAreTheDisabledOnes) {
    int forbidden = 0;
    for (int i = 1; i <= 130; ++i) {
        forbidden += f.lblNota[i].Caption == "X";
        EXPECT_EQ(f.lblNota[i].Enabled, f.lblNota[i].Caption != "X") << i;
    }
    EXPECT_GT(forbidden, 0);
}

TEST_F(Store, HiddenPanelsHideTheirCellsFromScreenAndInput) {
    EXPECT_FALSE(f.Frame3.Visible);
    EXPECT_EQ(f.lblMelos[5].Container, &f.Frame3);
    EXPECT_FALSE(shownOnScreen(f.lblMelos[5]));
    EXPECT_FALSE(acceptsInput(f.lblFreqInc[0]));
    f.Frame3.Visible = true;
    EXPECT_TRUE(acceptsInput(f.lblFreqInc[0]));
    EXPECT_FALSE(shownOnScreen(f.lblScritteVarie[87]));  // inside the exit question
}
