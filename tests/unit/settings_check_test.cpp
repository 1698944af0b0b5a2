#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/pivot_grid.h"
#include "settings/reachable_links.h"
#include "settings/settings_check.h"
#include "support/headless_program.h"

using namespace kelo;

namespace {

using Edits = kelo::testing::RecordEdits;
using kelo::testing::factoryRecordWith;

constexpr const char* kOff = "16777215";

// Line of bank cell 80 x n + 8 x (r - 1) + c.
int bankLine(int n, int r, int c = 1) { return 80 * n + 8 * (r - 1) + c + 23; }

// Switch lines first + 2k for k in [from, to] turned off.
Edits switches(int first, int from, int to) {
    Edits e;
    for (int k = from; k <= to; ++k) e.push_back({first + 2 * k, kOff});
    return e;
}
Edits allX(int n, int r) {
    Edits e;
    for (int c = 1; c <= 8; ++c) e.push_back({bankLine(n, r, c), "\"X\""});
    return e;
}
Edits operator+(Edits a, const Edits& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Case {
    const char* what;
    Edits edits;
    int badLine;  // 0: usable
};

}  // namespace

TEST(SettingsCheck, NamesTheFirstBadLineOrAcceptsWhatTheEditorsCouldProduce) {
    const Case cases[] = {
        // Lines that cannot be read at all.
        {"unclosed quote", {{57, "\"16"}}, 57},
        {"empty line", {{500, ""}}, 500},
        {"blank after a colour", {{4, "12632319 "}}, 4},
        {"text before the quote", {{1, "\xEF\xBB\xBF\"Kelo\""}}, 1},
        {"flag for a caption", {{1200, "#TRUE#"}}, 1200},
        {"colour in quotes", {{6, "\"12632319\""}}, 6},
        {"negative colour", {{1275, "-1"}}, 1275},
        {"quote in the name", {{1, "\"Kelo \"2021\"\""}}, 1},
        {"anything else in the name", {{1, "\"Il mio profilo: 1, 2 e 3!\""}}, 0},
        // Weights: whole numbers within their editors' bounds.
        {"weight no number", {{5, "\"abc\""}}, 5},
        {"weight 0", {{5, "\"0\""}}, 5},
        {"weight 17", {{5, "\"17\""}}, 5},
        {"leading zero", {{5, "\"08\""}}, 5},
        {"leading blank", {{5, "\" 8\""}}, 5},
        {"negative weight", {{33, "\"-3\""}}, 33},
        {"empty weight", {{59, "\"\""}}, 59},
        {"repeat chance 0", {{89, "\"0\""}}, 89},
        {"repeat chance 17", {{89, "\"17\""}}, 89},
        {"chord weight 0", {{91, "\"0\""}}, 91},
        {"fraction", {{99, "\"1.5\""}}, 99},
        {"final weight 17", {{100, "\"17\""}}, 100},
        {"DO must stay drawable", {{103, "\"0\""}}, 103},
        {"empty link weight", {{bankLine(2, 2, 3), "\"\""}}, bankLine(2, 2, 3)},
        {"link weight 0", {{bankLine(2, 2, 3), "\"0\""}}, bankLine(2, 2, 3)},
        {"link weight text", {{bankLine(2, 2, 3), "\"x\""}}, bankLine(2, 2, 3)},
        {"pivot weight 0", {{1144, "\"0\""}}, 1144},
        {"pivot weight X1", {{1144, "\"X1\""}}, 1144},
        {"cadence weight 99", {{1276, "\"99\""}}, 1276},
        {"last line empty", {{1300, "\"\""}}, 1300},
        {"bounds and a bare number",
         {{5, "\"16\""}, {101, "\"0\""}, {102, "\"0\""}, {100, "\"0\""}, {89, "\"1\""}, {bankLine(2, 2, 3), "\"16\""},
          {bankLine(2, 2, 4), "\"X\""}, {7, "16"}},
         0},
        // Switches hold one of the two switch colours, and the counts agree with them.
        {"red switch module", {{4, "255"}}, 4},
        {"red switch B", {{32, "255"}}, 32},
        {"red switch song form", {{58, "255"}}, 58},
        {"red switch copy", {{88, "255"}}, 88},
        {"red switch cadence", {{1275, "255"}}, 1275},
        {"module count", {{4, kOff}}, 2},
        {"second module count ok", {{44, kOff}, {30, "\"12\""}, {31, "\"12\""}}, 0},
        {"second module count", {{44, kOff}, {30, "\"11\""}, {31, "\"12\""}}, 30},
        {"song form count", {{58, kOff}}, 90},
        {"song form count ok", {{58, kOff}, {90, "\"14\""}}, 0},
        {"cadence count", {{1275, kOff}}, 1274},
        // At least four modules, one song form and one cadence stay on.
        {"three modules", switches(2, 4, 13) + Edits{{2, "\"3\""}, {3, "\"4\""}}, 2},
        {"four modules", switches(2, 5, 13) + Edits{{2, "\"4\""}, {3, "\"4\""}}, 0},
        {"no song form", switches(56, 1, 15) + Edits{{90, "\"0\""}}, 90},
        {"no cadence", switches(1273, 1, 13) + Edits{{1274, "\"0\""}}, 1274},
        // The pool stays within four and the modules on.
        {"pool 3", {{3, "\"3\""}}, 3},
        {"pool 14", {{3, "\"14\""}}, 3},
        {"pool 0", {{3, "\"0\""}}, 3},
        {"pool above the count", switches(30, 7, 13) + Edits{{30, "\"6\""}, {31, "\"7\""}}, 31},
        {"pool at the count", switches(30, 7, 13) + Edits{{30, "\"6\""}, {31, "\"6\""}}, 0},
        // Pivot weights keep their forbidden cells in place.
        {"weight in a forbidden cell", {{1151, "\"5\""}}, 1151},
        {"X in a weight cell", {{1144, "\"X\""}}, 1144},
        // A link row the pivots can reach needs a weight: case 2 to do' can be reached,
        // case 6 to SI, case 13 to si and DO and case 1 to re' cannot.
        {"case 2 to do'", allX(2, 9), bankLine(2, 9)},
        {"unreachable rows", allX(6, 8) + allX(13, 1) + allX(13, 2) + allX(1, 9), 0},
        // The earliest of several bad lines is the one reported.
        {"weight before a link row", allX(12, 5) + Edits{{5, "\"99\""}}, 5},
        {"link row alone", allX(12, 5), bankLine(12, 5)},
        {"count before a bad weight", {{4, kOff}, {1200, "\"abc\""}}, 2},
    };
    for (const Case& c : cases) {
        SettingsRecordCheck r = readSettingsRecord(factoryRecordWith(c.edits));
        EXPECT_EQ(r.badLine, c.badLine) << c.what << ": " << r.reason;
        EXPECT_EQ(r.reason.empty(), c.badLine == 0) << c.what;
        EXPECT_EQ(r.values.size(), c.badLine ? 0u : 1300u) << c.what;
    }
    EXPECT_NE(readSettingsRecord(factoryRecordWith(switches(2, 4, 13) + Edits{{2, "\"3\""}})).reason.find("almeno 4"),
              std::string::npos);
}

TEST(SettingsCheck, AShortFileNamesTheFirstMissingLine) {
    EXPECT_EQ(readSettingsRecord(factoryRecordWith({}, 1299)).badLine, 1300);
    EXPECT_EQ(readSettingsRecord("").badLine, 1);
}

TEST(ReachableLinkRows, FollowTheForbiddenPivotCellsBackFromTheFinalNote) {
    std::array<bool, 131> forbidden{};
    for (int j = 1; j <= 130; ++j) forbidden[static_cast<size_t>(j)] = isForbiddenPivotCell(j);
    std::array<bool, 5> finals{false, true, true, true, true};
    LinkRows rows = reachableLinkRows(forbidden, finals);
    // With the fixed forbidden cells every allowed (column, following pivot) is reachable.
    int reachable = 0;
    for (int j = 1; j <= 13; ++j)
        for (int r = 1; r <= 10; ++r) {
            bool allowed = !forbidden[static_cast<size_t>(10 * (j - 1) + r)];
            EXPECT_EQ(rows[static_cast<size_t>(linkCaseOfPivotColumn(j))][static_cast<size_t>(r)], allowed) << j << r;
            reachable += allowed;
        }
    EXPECT_EQ(reachable, 107);
    EXPECT_EQ(reachableLinkRows(forbidden, {false, false, false, false, true}), rows);

    // A pivot that no chain can lead to takes its rows out: only DO+/DO before DO
    // and DO+/MI before MI are allowed, and the melody ends on DO, so MI never occurs.
    std::array<bool, 131> narrow;
    narrow.fill(true);
    narrow[2] = false;   // DO+/DO before DO
    narrow[14] = false;  // DO+/MI before MI
    LinkRows few = reachableLinkRows(narrow, {false, false, false, false, true});
    EXPECT_TRUE(few[2][2]);
    EXPECT_FALSE(few[5][4]);
    // Ending on MI as well makes the move MI to MI possible.
    EXPECT_TRUE(reachableLinkRows(narrow, {false, false, false, true, true})[5][4]);

    EXPECT_EQ(linkCaseOfPivotColumn(1), 2);
    EXPECT_EQ(linkCaseOfPivotColumn(5), 1);
    EXPECT_EQ(linkCaseOfPivotColumn(9), 13);
    EXPECT_EQ(linkCaseOfPivotColumn(13), 12);
}
