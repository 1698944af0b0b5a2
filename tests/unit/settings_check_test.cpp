#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/pivot_grid.h"
#include "settings/reachable_links.h"
#include "settings/settings_check.h"
#include "support/record_lines.h"
#include "support/headless_program.h"

using namespace kelo;

namespace {

using Edits = kelo::support::LineEdits;
using kelo::support::factoryRecordWith;

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

TEST(SettingsCheck, NamesALineTheEditorsCouldNotHaveWritten) {
    const std::pair<int, const char*> bad[] = {
        // Unreadable: unclosed quote, empty line, blank after a colour, text before the quote,
        // a flag for a caption, a colour in quotes, a negative colour, a quote in the name.
        {57, "\"16"}, {500, ""}, {4, "12632319 "}, {1, "x\"Kelo\""}, {1200, "#TRUE#"},
        {6, "\"12632319\""}, {1275, "-1"}, {1, "\"Kelo \"2021\"\""},
        // Weights that are no whole numbers within their editors' bounds (DO stays drawable).
        {5, "\"abc\""}, {5, "\"0\""}, {5, "\"17\""}, {5, "\"08\""}, {5, "\" 8\""}, {33, "\"-3\""}, {59, "\"\""},
        {89, "\"0\""}, {89, "\"17\""}, {91, "\"0\""}, {99, "\"1.5\""}, {100, "\"17\""}, {103, "\"0\""},
        {bankLine(2, 2, 3), "\"\""}, {bankLine(2, 2, 3), "\"0\""}, {bankLine(2, 2, 3), "\"x\""},
        // A figure the link case does not have: case 1 has five, case 13 six.
        {bankLine(1, 3, 6), "\"4\""}, {bankLine(13, 9, 7), "\"1\""},
        {1144, "\"0\""}, {1144, "\"X1\""}, {1276, "\"99\""}, {1300, "\"\""},
        // Switches hold one of the two switch colours; pools stay within four and the
        // modules on; pivot weights keep their forbidden cells in place.
        {4, "255"}, {32, "255"}, {58, "255"}, {88, "255"}, {1275, "255"},
        {3, "\"3\""}, {3, "\"14\""}, {3, "\"0\""}, {1151, "\"5\""}, {1144, "\"X\""},
    };
    for (auto [line, text] : bad) {
        SettingsRecordCheck r = readSettingsRecord(factoryRecordWith({{line, text}}));
        EXPECT_EQ(r.badLine, line) << text << ": " << r.reason;
        EXPECT_FALSE(r.reason.empty()) << line;
        EXPECT_TRUE(r.values.empty()) << line;
    }
}

TEST(SettingsCheck, NamesTheFirstOfLinesThatDisagreeOrAcceptsThem) {
    const Case cases[] = {
        {"anything but a quote in the name", {{1, "\"Il mio profilo: 1, 2 e 3!\""}}, 0},
        {"bounds and a bare number",
         {{5, "\"16\""}, {101, "\"0\""}, {102, "\"0\""}, {100, "\"0\""}, {89, "\"1\""}, {bankLine(2, 2, 3), "\"16\""},
          {bankLine(2, 2, 4), "\"X\""}, {7, "16"}},
         0},
        // Counts agree with the switches that are on.
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
        {"pool above the count", switches(30, 7, 13) + Edits{{30, "\"6\""}, {31, "\"7\""}}, 31},
        {"pool at the count", switches(30, 7, 13) + Edits{{30, "\"6\""}, {31, "\"6\""}}, 0},
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
        bool threeModules = c.what == std::string("three modules");
        EXPECT_TRUE(!threeModules || r.reason.find("almeno 4") != std::string::npos) << r.reason;
    }
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
