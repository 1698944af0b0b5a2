#include <gtest/gtest.h>

#include <map>
#include <string>

#include "model/main_window.h"
#include "platform/headless/headless_platform.h"
#include "presets/link_presets.h"

using namespace kelo;

namespace {

struct LinkPresets : ::testing::Test {
    HeadlessPlatform hp;
    frmKeloTrundo15 f{hp.platform};

    std::map<std::string, int> bankCounts() {
        std::map<std::string, int> counts;
        for (int i = 81; i <= 1120; ++i) ++counts[f.lblCollegamento[i].Caption];
        return counts;
    }
    std::string row(int n, int r) {
        std::string s;
        for (int c = 1; c <= 8; ++c) s += (c > 1 ? " " : "") + f.lblCollegamento[80 * n + 8 * (r - 1) + c].Caption;
        return s;
    }
    bool rowAllX(int n, int r) { return row(n, r) == "X X X X X X X X"; }
};

}  // namespace

TEST_F(LinkPresets, FactoryFillingHoldsTheFactoryWeights) {
    ImpostaCollegamentiDefault(f);
    std::map<std::string, int> expected = {{"X", 542}, {"1", 114}, {"2", 69}, {"3", 23}, {"4", 83}, {"5", 11},
                                           {"6", 45},  {"8", 51},  {"9", 1},  {"10", 11}, {"12", 30}, {"16", 60}};
    EXPECT_EQ(bankCounts(), expected);

    EXPECT_EQ(row(1, 1), "X 3 2 4 1 X X X");
    EXPECT_EQ(row(2, 6), "1 8 16 X X 4 X X");
    EXPECT_EQ(row(3, 1), "X X X 6 2 9 4 1");
    EXPECT_EQ(row(6, 5), "X 1 2 3 4 6 5 6");
    EXPECT_EQ(row(7, 4), "10 4 8 X 16 6 2 1");
    EXPECT_EQ(row(9, 8), "16 X X 4 X 8 1 1");
    EXPECT_EQ(row(10, 7), "X 16 X X 5 5 2 3");
    EXPECT_EQ(row(11, 10), "1 X X 4 4 X 16 16");
    EXPECT_EQ(row(12, 10), "3 X X 6 8 X 16 10");
    EXPECT_EQ(row(13, 10), "16 X X 8 5 3 X X");
    EXPECT_EQ(f.lblCollegamento[81].Caption, "X");
    EXPECT_EQ(f.lblCollegamento[1120].Caption, "X");
    for (int r = 1; r <= 10; ++r) EXPECT_EQ(f.lblCollegamento[320 + 8 * (r - 1) + 8].Caption, "X") << r;
}

TEST_F(LinkPresets, FactoryFillingLeavesNoEmptyRowThatThePivotWeightsAllow) {
    ImpostaCollegamentiDefault(f);
    // Columns of the pivot-note weights are link cases 2, 5, 7, 11, 1, 4, 8, 10, 13, 3, 6, 9, 12.
    constexpr int caseOfColumn[14] = {0, 2, 5, 7, 11, 1, 4, 8, 10, 13, 3, 6, 9, 12};
    int emptyRows = 0;
    for (int j = 1; j <= 13; ++j)
        for (int r = 1; r <= 10; ++r) {
            int n = caseOfColumn[j];
            bool pivotAllows = f.lblNota[10 * (j - 1) + r].Caption != "X";  // design values are the factory ones
            if (rowAllX(n, r)) {
                ++emptyRows;
                EXPECT_FALSE(pivotAllows) << "case " << n << " r " << r;
            }
        }
    EXPECT_EQ(emptyRows, 21);  // the 20 structural rows and case 13 to si
    EXPECT_TRUE(rowAllX(13, 1));
}

TEST_F(LinkPresets, StructuralCellsAreTheSameInAllThreeFillings) {
    int structural = 0;
    for (int n = 1; n <= 13; ++n)
        for (int r = 1; r <= 10; ++r)
            for (int c = 1; c <= 8; ++c) structural += isStructuralLinkCell(n, r, c) ? 1 : 0;
    EXPECT_EQ(structural, 193);

    ImpostaCollegamentiDefault(f);
    for (int n = 1; n <= 13; ++n)
        for (int r = 1; r <= 10; ++r)
            for (int c = 1; c <= 8; ++c) {
                if (isStructuralLinkCell(n, r, c)) {
                    EXPECT_EQ(f.lblCollegamento[80 * n + 8 * (r - 1) + c].Caption, "X") << n << " " << r << " " << c;
                }
            }

    ImpostaCollegamentiUniformi(f);
    EXPECT_EQ(bankCounts(), (std::map<std::string, int>{{"X", 193}, {"1", 847}}));
    EXPECT_EQ(row(1, 1), "1 1 1 1 1 X X X");
    EXPECT_EQ(row(13, 3), "1 1 1 1 1 1 X X");
    EXPECT_TRUE(rowAllX(10, 5));
    EXPECT_EQ(row(6, 8), "1 1 1 1 1 1 1 1");  // a row the pivot weights forbid but the bank keeps open

    AzzeraCollegamenti(f);
    EXPECT_EQ(bankCounts(), (std::map<std::string, int>{{"X", 193}, {"", 847}}));
    for (int i = 81; i <= 85; ++i) EXPECT_EQ(f.lblCollegamento[i].Caption, "");
    for (int i = 86; i <= 88; ++i) EXPECT_EQ(f.lblCollegamento[i].Caption, "X");
}

TEST_F(LinkPresets, FillingsIgnoreThePreviousBankAndTouchOnlyBankCaptions) {
    for (int i = 0; i <= 1120; ++i) f.lblCollegamento[i].Caption = "junk";
    f.lblCollegamento[500].Enabled = false;
    f.lblCollegamento[7].BackColor = 0x123456;
    f.lblScritteVarie[75].Caption = "mio";
    ImpostaCollegamentiDefault(f);
    auto once = bankCounts();
    ImpostaCollegamentiDefault(f);
    EXPECT_EQ(bankCounts(), once);
    EXPECT_EQ(once.count("junk"), 0u);

    using Filling = void (*)(frmKeloTrundo15&);
    for (Filling fill : {ImpostaCollegamentiDefault, ImpostaCollegamentiUniformi, AzzeraCollegamenti}) {
        fill(f);
        for (int i = 1; i <= 80; ++i) EXPECT_EQ(f.lblCollegamento[i].Caption, "junk");
        EXPECT_EQ(f.lblCollegamento[0].Caption, "junk");
        EXPECT_FALSE(f.lblCollegamento[500].Enabled);
        EXPECT_EQ(f.lblCollegamento[7].BackColor, 0x123456u);
        EXPECT_EQ(f.lblScritteVarie[75].Caption, "mio");
    }
}
