#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "settings/factory_record.h"
#include "settings/reachable_links.h"
#include "settings/settings_check.h"

using namespace kelo;

namespace {

// The factory record as editable lines (1-based: line n is at [n]).
struct RecordLines {
    std::vector<std::string> at{""};

    RecordLines() {
        HeadlessPlatform hp;
        std::string text = FactorySettingsRecordText(hp.platform);
        size_t p = 0;
        for (size_t e; (e = text.find("\r\n", p)) != std::string::npos; p = e + 2) at.push_back(text.substr(p, e - p));
    }
    std::string& operator[](int n) { return at[static_cast<size_t>(n)]; }
    std::string text(int upTo = 1300) const {
        std::string s;
        for (int n = 1; n <= upTo; ++n) s += at[static_cast<size_t>(n)] + "\r\n";
        return s;
    }
    SettingsRecordCheck check(int upTo = 1300) const { return readSettingsRecord(text(upTo)); }
};

constexpr const char* kOn = "12632319";
constexpr const char* kOff = "16777215";

// Line of bank cell 80 x n + 8 x (r - 1) + c.
int bankLine(int n, int r, int c = 1) { return 80 * n + 8 * (r - 1) + c + 23; }

void expectBad(const RecordLines& rec, int line, const char* what) {
    SettingsRecordCheck c = rec.check();
    EXPECT_FALSE(c.ok()) << what;
    EXPECT_EQ(c.badLine, line) << what << ": " << c.reason;
    EXPECT_FALSE(c.reason.empty()) << what;
    EXPECT_TRUE(c.values.empty()) << what;
}

}  // namespace

TEST(SettingsCheck, ShortOrUnreadableFilesNameTheirFirstBadLine) {
    RecordLines rec;
    EXPECT_EQ(rec.check(1299).badLine, 1300);
    EXPECT_EQ(rec.check(0).badLine, 1);
    EXPECT_EQ(readSettingsRecord("").badLine, 1);

    struct Case {
        int line;
        const char* text;
    } broken[] = {
        {57, "\"16"},        // unclosed quote
        {500, ""},           // empty line
        {4, "12632319 "},    // trailing blank after a colour
        {1, "\xEF\xBB\xBF\"Kelo\""},  // text before the quote
        {1200, "#TRUE#"},    // a flag where a caption belongs
        {6, "\"12632319\""},  // a colour in quotes
        {1275, "-1"},
    };
    for (const Case& b : broken) {
        RecordLines r;
        r[b.line] = b.text;
        expectBad(r, b.line, b.text);
    }
}

TEST(SettingsCheck, WeightsMustBeWholeNumbersInTheirRanges) {
    struct Case {
        int line;
        const char* value;
    } bad[] = {
        {5, "\"abc\""},   {5, "\"0\""},    {5, "\"17\""},   {5, "\"08\""},  {5, "\" 8\""},  {33, "\"-3\""},
        {59, "\"\""},     {89, "\"0\""},   {89, "\"17\""},  {91, "\"0\""},  {99, "\"1.5\""},
        {100, "\"17\""},  {103, "\"0\""},  // DO must stay drawable
        {bankLine(2, 2, 3), "\"\""},       {bankLine(2, 2, 3), "\"0\""},    {bankLine(2, 2, 3), "\"x\""},
        {1144, "\"0\""},  {1144, "\"X1\""}, {1276, "\"99\""}, {1300, "\"\""},
    };
    for (const Case& b : bad) {
        RecordLines r;
        r[b.line] = b.value;
        expectBad(r, b.line, b.value);
    }

    // Within the editors' bounds, and a bare number on a caption line read as its digits.
    RecordLines ok;
    ok[5] = "\"16\"";
    ok[101] = "\"0\"";
    ok[102] = "\"0\"";
    ok[100] = "\"0\"";
    ok[89] = "\"1\"";
    ok[bankLine(2, 2, 3)] = "\"16\"";
    ok[bankLine(2, 2, 4)] = "\"X\"";
    ok[7] = "16";
    SettingsRecordCheck c = ok.check();
    ASSERT_TRUE(c.ok()) << c.badLine << ": " << c.reason;
    EXPECT_EQ(c.values[6], RecordValue::Text("16"));
}

TEST(SettingsCheck, SwitchesHoldOnlyTheTwoSwitchColours) {
    for (int line : {4, 32, 58, 88, 1275}) {
        RecordLines r;
        r[line] = "255";
        expectBad(r, line, "red switch");
    }
}

TEST(SettingsCheck, CountsMustAgreeWithTheSwitchesThatAreOn) {
    RecordLines r;
    r[4] = kOff;  // first-bar module 1 off, count still 13
    expectBad(r, 2, "module count");

    RecordLines b;
    b[2 * 7 + 30] = kOff;  // second-bar module 7 off
    b[30] = "\"12\"";
    b[31] = "\"12\"";
    EXPECT_TRUE(b.check().ok()) << b.check().reason;
    b[30] = "\"11\"";
    expectBad(b, 30, "second module count");

    RecordLines s;
    s[58] = kOff;
    expectBad(s, 90, "song form count");
    s[90] = "\"14\"";
    EXPECT_TRUE(s.check().ok());

    RecordLines c;
    c[1275] = kOff;
    expectBad(c, 1274, "cadence count");
}

TEST(SettingsCheck, AtLeastFourModulesAndOneFormAndCadenceStayOn) {
    RecordLines m;
    for (int k = 4; k <= 13; ++k) m[2 * k + 2] = kOff;  // three modules on
    m[2] = "\"3\"";
    m[3] = "\"4\"";
    expectBad(m, 2, "three modules");
    EXPECT_NE(m.check().reason.find("almeno 4"), std::string::npos) << m.check().reason;
    m[2 * 4 + 2] = kOn;
    m[2] = "\"4\"";
    EXPECT_TRUE(m.check().ok()) << m.check().reason;

    RecordLines s;
    for (int k = 1; k <= 15; ++k) s[2 * k + 56] = kOff;
    s[90] = "\"0\"";
    expectBad(s, 90, "no song form");

    RecordLines c;
    for (int k = 1; k <= 13; ++k) c[2 * k + 1273] = kOff;
    c[1274] = "\"0\"";
    expectBad(c, 1274, "no cadence");
}

TEST(SettingsCheck, PoolSizeStaysWithinFourAndTheModulesOn) {
    for (const char* pool : {"\"3\"", "\"14\"", "\"0\""}) {
        RecordLines r;
        r[3] = pool;
        expectBad(r, 3, pool);
    }
    RecordLines r;
    for (int k = 7; k <= 13; ++k) r[2 * k + 30] = kOff;  // six second-bar modules on
    r[30] = "\"6\"";
    r[31] = "\"7\"";
    expectBad(r, 31, "pool above the count");
    r[31] = "\"6\"";
    EXPECT_TRUE(r.check().ok()) << r.check().reason;
}

TEST(SettingsCheck, PivotWeightsKeepTheirForbiddenCellsInPlace) {
    RecordLines r;
    r[1143 + 8] = "\"5\"";  // DO+/DO before SI is always "X"
    expectBad(r, 1151, "weight in a forbidden cell");

    RecordLines x;
    x[1143 + 1] = "\"X\"";
    expectBad(x, 1144, "X in a weight cell");
}

TEST(SettingsCheck, EveryLinkRowThePivotsCanReachNeedsAWeight) {
    auto allX = [](RecordLines& r, int n, int row) {
        for (int c = 1; c <= 8; ++c) r[bankLine(n, row, c)] = "\"X\"";
    };
    // Case 2 to do' is allowed by the pivot weights (DO+/DO before do' is "1").
    RecordLines r;
    allX(r, 2, 9);
    expectBad(r, bankLine(2, 9), "case 2 to do'");

    // Case 6 (FA+/FA) to SI and case 13 (SOL+/re') to si and DO: the pivot
    // weights forbid those moves, so the rows may stay empty.
    RecordLines open;
    allX(open, 6, 8);
    allX(open, 13, 1);
    allX(open, 13, 2);
    allX(open, 1, 9);
    SettingsRecordCheck c = open.check();
    EXPECT_TRUE(c.ok()) << c.badLine << ": " << c.reason;

    // The earliest of several bad lines is the one reported.
    RecordLines two;
    allX(two, 12, 5);
    two[5] = "\"99\"";
    expectBad(two, 5, "weight before the link row");
    two[5] = "\"9\"";
    expectBad(two, bankLine(12, 5), "link row");

    RecordLines mixed;
    mixed[4] = kOff;           // count on line 2 no longer agrees
    mixed[1200] = "\"abc\"";  // and a later weight is no number
    expectBad(mixed, 2, "count before a bad weight");
}

TEST(ReachableLinkRows, FollowTheForbiddenPivotCellsBackFromTheFinalNote) {
    std::array<bool, 131> forbidden{};
    RecordLines rec;
    for (int j = 1; j <= 130; ++j) forbidden[static_cast<size_t>(j)] = rec[1143 + j] == "\"X\"";
    std::array<bool, 5> finals{false, true, true, true, true};
    LinkRows rows = reachableLinkRows(forbidden, finals);
    // With the fixed forbidden cells every allowed (column, following pivot) is reachable.
    int reachable = 0;
    for (int j = 1; j <= 13; ++j)
        for (int r = 1; r <= 10; ++r) {
            bool allowed = !forbidden[static_cast<size_t>(10 * (j - 1) + r)];
            bool reached = rows[static_cast<size_t>(linkCaseOfPivotColumn(j))][static_cast<size_t>(r)];
            EXPECT_EQ(reached, allowed) << j << " " << r;
            reachable += allowed ? 1 : 0;
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

TEST(SettingsCheck, ProfileNameMayBeAnythingWithoutAQuote) {
    RecordLines r;
    r[1] = "\"Il mio profilo: 1, 2 e 3!\"";
    EXPECT_TRUE(r.check().ok());
    r[1] = "\"Kelo \"2021\"\"";
    expectBad(r, 1, "quote in the name");
}
