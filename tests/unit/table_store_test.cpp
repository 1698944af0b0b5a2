#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "model/main_window.h"
#include "platform/cell_number.h"
#include "platform/headless/headless_platform.h"
#include "support/raises.h"

using namespace kelo;

namespace {
struct Store : ::testing::Test {
    HeadlessPlatform hp;
    frmKeloTrundo15 f{hp.platform};
};
}  // namespace

TEST_F(Store, AnIndexOutsideTheDesignItemsOrInTheirGapsIsTheRunTimeError) {
    const std::pair<const char*, std::function<void()>> outside[] = {
        {"lblInciso(17)", [&] { f.lblInciso[17].Caption = "x"; }},
        {"lblInciso(22)", [&] { (void)f.lblInciso[22]; }},
        {"lblFreqInc(24)", [&] { (void)f.lblFreqInc[24]; }},
        {"lblNotaB(0)", [&] { (void)f.lblNotaB[0]; }},
        {"lblCollegamento(1121)", [&] { (void)f.lblCollegamento[1121]; }},
        {"ShpIndicatore(-1)", [&] { (void)f.ShpIndicatore[-1]; }},
    };
    for (const auto& [name, access] : outside) EXPECT_TRUE(support::raises(ErrorCode::NoSuchElement, access, name));
}

TEST_F(Store, TheTwentyThreeForbiddenPivotCellsTakeNoInput) {
    std::string forbidden;
    for (int i = 1; i <= 130; ++i) {
        if (f.lblNota[i].Caption == "X") forbidden += std::to_string(i) + " ";
        EXPECT_EQ(acceptsInput(f.lblNota[i]), f.lblNota[i].Caption != "X") << i;
    }
    EXPECT_EQ(forbidden, "8 10 20 31 33 45 47 48 49 50 59 71 72 75 81 82 84 98 100 108 111 121 123 ");
}

TEST_F(Store, HiddenPanelsHideTheirCellsFromScreenAndInput) {
    EXPECT_EQ(f.lblMelos[5].Container, &f.Frame3);
    EXPECT_FALSE(shownOnScreen(f.lblMelos[5]) || acceptsInput(f.lblFreqInc[0]));
    f.Frame3.Visible = true;
    EXPECT_TRUE(shownOnScreen(f.lblMelos[5]) && acceptsInput(f.lblFreqInc[0]));
    EXPECT_FALSE(shownOnScreen(f.lblScritteVarie[87]));  // inside the exit question
}

// A cell number is the decimal text of a 16-bit integer, converted at each use.
TEST(CellNumber, ReadsAndWritesTheDecimalTextOf16BitIntegersAndNothingElse) {
    for (auto [text, value] : {std::pair{"0", 0}, {"-32768", -32768}, {"32767", 32767}, {"0160", 160}})
        EXPECT_EQ(val16(text), value) << text;
    EXPECT_EQ(str16(-5) + str16(add16(32766, 1)), "-532767");
    constexpr ErrorCode kText = ErrorCode::TypeMismatch, kBig = ErrorCode::Overflow;
    for (auto [text, code] : {std::pair{"", kText},
                              {"-", kText},
                              {" 5", kText},
                              {"5 ", kText},
                              {"+5", kText},
                              {"1.5", kText},
                              {"32768", kBig},
                              {"-32769", kBig},
                              {"99999999999999999999", kBig}}) {
        // Captured by copy: clang 14 cannot capture a structured binding.
        EXPECT_TRUE(support::raises(
            code, [t = text] { val16(t); }, text));
        EXPECT_FALSE(isNumber16(text)) << text;
    }
    EXPECT_TRUE(support::raises(
        kBig, [] { add16(32767, 1); }, "32768"));
    EXPECT_TRUE(support::raises(
        kBig, [] { sub16(-32768, 1); }, "-32769"));
    EXPECT_TRUE(support::raises(
        kBig, [] { mul16(200, 200); }, "40000"));
    EXPECT_TRUE(support::raises(
        kBig, [] { str16(40000); }, "40000"));
}

// The chord-transition grid: rows (previous chord) and columns (next chord) both
// run DO+, SOL+, FA+, while item 3(p-1)+n numbers the chords DO+ 1, FA+ 2, SOL+ 3.
TEST_F(Store, EachChordTransitionSitsUnderItsRowAndColumnLabels) {
    const float top[4] = {0, 5280, 6000, 5640}, left[4] = {0, 13000, 13870, 13435};  // by chord number
    for (int p = 1; p <= 3; ++p)
        for (int n = 1; n <= 3; ++n) {
            const Label& cell = f.lblAccordi[3 * (p - 1) + n];
            EXPECT_EQ(cell.Top, top[p]) << p << n;
            EXPECT_EQ(cell.Left, left[n]) << p << n;
        }
}
