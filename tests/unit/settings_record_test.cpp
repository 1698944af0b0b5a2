// The settings record: where each field lies, what reading it back restores, and
// which lines the check refuses because no editor could have written them.
#include "settings/settings_record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/main_window.h"
#include "platform/headless/headless_platform.h"
#include "settings/settings_check.h"
#include "support/record_lines.h"

using namespace kelo;
using Edits = support::LineEdits;
using support::factoryRecordWith;

namespace {

constexpr const char* kOff = "16777215";

// Line of bank cell 80 x n + 8 x (r - 1) + c.
int bankLine(int n, int r, int c = 1) { return 80 * n + 8 * (r - 1) + c + 23; }

// The switch lines first + 2k for k in [from, to] off, then `more`.
Edits switchesOff(int first, int from, int to, Edits more) {
    for (int k = from; k <= to; ++k) more.push_back({first + 2 * k, kOff});
    return more;
}
// Link rows (case, next pivot) with their figures 1..upTo "X".
Edits allX(std::initializer_list<std::pair<int, int>> rows, int upTo = 8, Edits more = {}) {
    for (auto [n, r] : rows)
        for (int c = 1; c <= upTo; ++c) more.push_back({bankLine(n, r, c), "\"X\""});
    return more;
}

}  // namespace

TEST(SettingsRecord, EachFieldHasItsOwnLine) {
    const auto& fields = settingsRecordFields();
    ASSERT_EQ(fields.size(), 1300u);
    for (size_t i = 0; i < fields.size(); ++i) EXPECT_EQ(settingsFieldLine(fields[i]), static_cast<int>(i + 1)) << i;
    // The factory record begins with the name, the first list's counts and its first modules.
    const std::string start =
        "\"Kelo (trundo) 2020\"\r\n\"13\"\r\n\"6\"\r\n12632319\r\n\"8\"\r\n12632319\r\n\"12\"\r\n";
    EXPECT_EQ(support::factoryRecord().substr(0, start.size()), start);
}

// With an empty profile name and blank lines after the 1300th; applied, the record writes
// captions and colours and nothing else.
TEST(SettingsRecord, ReadingBackRestoresEveryFieldAndWritesOnlyCaptionsAndColours) {
    const std::string text = factoryRecordWith({{1, "\"\""}, {4, kOff}, {2, "\"12\""}, {600, "\"11\""}});
    SettingsRecordCheck check = readSettingsRecord(text + "\r\n \r\n");
    ASSERT_TRUE(check.ok()) << check.badLine << ": " << check.reason;
    HeadlessPlatform hp;
    frmKeloTrundo15 g(hp.platform);
    Label &held = g.lblFreqInc[0], &page = g.lblCollegamento[5], &bank = g.lblCollegamento[700];
    held.Caption = "9", page.Caption = "7", bank.Enabled = false, g.lblModulo[3].BorderStyle = 1;
    applySettingsRecord(g, check.values);
    EXPECT_EQ(formatRecord(collectSettingsRecord(g)), text);
    EXPECT_TRUE(held.Caption == "9" && page.Caption == "7" && !bank.Enabled && g.lblModulo[3].BorderStyle == 1);
}

TEST(SettingsCheck, NamesALineTheEditorsCouldNotHaveWritten) {
    const std::pair<int, const char*> bad[] = {
        // Text before the quote, a flag for a caption, a colour in quotes, a quote in the name.
        {1, "x\"Kelo\""},
        {1200, "#TRUE#"},
        {6, "\"12632319\""},
        {1, "\"Kelo \"\"2021\"\"\""},
        // Weights that are no whole numbers within their editors' bounds (DO stays drawable).
        {5, "\"0\""},
        {5, "\"17\""},
        {5, "\"08\""},
        {5, "\" 8\""},
        {89, "\"0\""},
        {89, "\"17\""},
        {91, "\"0\""},
        {100, "\"17\""},
        {103, "\"0\""},
        {bankLine(2, 2, 3), "\"0\""},
        {bankLine(2, 2, 3), "\"17\""},
        {1144, "\"0\""},
        {1144, "\"17\""},
        {1300, "\"\""},
        // A figure the link case does not have: case 1 has five, case 13 six.
        {bankLine(1, 3, 6), "\"4\""},
        {bankLine(13, 9, 7), "\"1\""},
        // Switches hold one of the two switch colours; pools stay within four and the
        // modules on; pivot weights keep their forbidden cells in place.
        {4, "255"},
        {1275, "255"},
        {3, "\"3\""},
        {3, "\"14\""},
        {1151, "\"5\""},
        {1144, "\"X\""},
    };
    for (auto [line, text] : bad) {
        SettingsRecordCheck r = readSettingsRecord(factoryRecordWith({{line, text}}));
        EXPECT_EQ(r.badLine, line) << text << ": " << r.reason;
        EXPECT_TRUE(!r.reason.empty() && r.values.empty()) << line;
    }
    EXPECT_EQ(readSettingsRecord(factoryRecordWith({}, 1299)).badLine, 1300);
    EXPECT_EQ(readSettingsRecord("").badLine, 1);
}

TEST(SettingsCheck, NamesTheFirstOfLinesThatDisagreeOrAcceptsThem) {
    const struct {
        const char* what;
        Edits edits;
        int badLine;  // 0: usable
    } cases[] = {
        {"the factory record", {}, 0},
        {"anything but a quote in the name, bounds and a bare number",
         {{1, "\"Il mio profilo: 1, 2 e 3!\""},
          {5, "\"16\""},
          {101, "\"0\""},
          {102, "\"0\""},
          {100, "\"0\""},
          {89, "\"1\""},
          {bankLine(2, 2, 3), "\"16\""},
          {bankLine(2, 2, 4), "\"X\""},
          {7, "16"}},
         0},
        // Counts agree with the switches that are on.
        {"module count", {{4, kOff}}, 2},
        {"second module count", {{44, kOff}, {30, "\"11\""}, {31, "\"12\""}}, 30},
        {"song form count", {{58, kOff}}, 90},
        {"cadence count", {{1275, kOff}}, 1274},
        // At least four modules, one song form and one cadence stay on.
        {"three modules", switchesOff(2, 4, 13, {{2, "\"3\""}, {3, "\"4\""}}), 2},
        {"four modules", switchesOff(2, 5, 13, {{2, "\"4\""}, {3, "\"4\""}}), 0},
        {"no song form", switchesOff(56, 1, 15, {{90, "\"0\""}}), 90},
        {"no cadence", switchesOff(1273, 1, 13, {{1274, "\"0\""}}), 1274},
        {"pool above the count", switchesOff(30, 7, 13, {{30, "\"6\""}, {31, "\"7\""}}), 31},
        {"pool at the count", switchesOff(30, 7, 13, {{30, "\"6\""}, {31, "\"6\""}}), 0},
        // A link row the pivots can reach needs a weight: case 2 to do' can be reached,
        // case 6 to SI, case 13 to si and DO and case 1 to re' cannot.
        {"case 2 to do'", allX({{2, 9}}), bankLine(2, 9)},
        {"case 2 to do', its last figure weighted", allX({{2, 9}}, 7, {{bankLine(2, 9, 8), "\"1\""}}), 0},
        {"unreachable rows", allX({{6, 8}, {13, 1}, {13, 2}, {1, 9}}), 0},
        // The earliest of several bad lines is the one reported.
        {"count before a bad weight", {{4, kOff}, {1200, "\"abc\""}}, 2},
    };
    for (const auto& c : cases) {
        SettingsRecordCheck r = readSettingsRecord(factoryRecordWith(c.edits));
        EXPECT_EQ(r.badLine, c.badLine) << c.what << ": " << r.reason;
        EXPECT_EQ(r.values.size(), c.badLine ? 0u : 1300u) << c.what;
    }
    // A count of one takes the singular, whether the file says it or the switches do.
    const std::pair<Edits, const char*> singular[] = {
        {switchesOff(2, 2, 13, {{2, "\"1\""}}), "solo 1 modulo acceso nel"},
        {{{2, "\"1\""}}, "dice \"1\" modulo acceso nel"},
        {{{1274, "\"1\""}}, "dice \"1\" cadenza accesa, ma ne sono accese 13"},
        {switchesOff(1273, 2, 13, {}), "dice \"13\" cadenze accese, ma ne è accesa 1"},
    };
    for (const auto& [edits, says] : singular)
        EXPECT_EQ(readSettingsRecord(factoryRecordWith(edits)).reason.find(says), 0u) << says;
}
