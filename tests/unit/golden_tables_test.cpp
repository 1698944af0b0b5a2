// The program's constant tables against fixtures typed from the written tables, not
// taken from the program: the factory settings record, the fillings of the link
// bank, and every title list, each entry drawn through its own generator too.
#include <gtest/gtest.h>

#include <map>

#include "presets/link_presets.h"
#include "settings/factory_defaults.h"
#include "settings/factory_record.h"
#include "support/cells.h"
#include "support/headless_program.h"
#include "support/record_lines.h"
#include "support/test_window.h"
#include "titles/title_types.h"

using namespace kelo;
using namespace kelo::support;

namespace {

std::string fixture(const char* name) { return readFile(std::filesystem::path(KELO_GOLDEN_DIR) / name); }

TEST(GoldenTables, TheFactoryRecordAndResetAllGiveTheFactorySettingsFile) {
    const std::string want = fixture("factory_settings.txt");
    TestWindow w;
    const std::string made = FactorySettingsRecordText(w.platform);
    lblDefault_MouseDown(w.f, 0, {});
    for (const std::string& got : {made, formatRecord(collectSettingsRecord(w.f))}) {
        const std::string diff = firstDifference(recordLines(got), recordLines(want));
        EXPECT_EQ(diff.empty() && got != want ? "the same lines with other line ends" : diff, "");
    }
}

// Bank captions 81..1120 only: the page, the held index and the enabled flags stay.
TEST(GoldenTables, EachLinkFillingWritesItsBank) {
    const Lines uniform = recordLines(fixture("link_bank_uniform.txt"));
    const Lines record = recordLines(fixture("factory_settings.txt"));
    Lines empty = uniform, factory(record.begin() + 103, record.begin() + 1143);
    for (std::string& c : empty) c = c == "1" ? "" : c;
    for (std::string& c : factory) c = c.substr(1, c.size() - 2);
    const std::pair<void (*)(frmKeloTrundo15&), const Lines&> fillings[] = {
        {ImpostaCollegamentiUniformi, uniform}, {AzzeraCollegamenti, empty}, {ImpostaCollegamentiDefault, factory}};
    TestWindow w;
    for (const auto& [fill, want] : fillings) {
        for (int i = 0; i <= 1120; ++i) w.f.lblCollegamento[i].Caption = "junk";
        w.f.lblCollegamento[500].Enabled = false;
        fill(w.f);
        Lines bank;
        for (int i = 81; i <= 1120; ++i) bank.push_back(w.f.lblCollegamento[i].Caption);
        EXPECT_EQ(firstDifference(bank, want), "");
        for (int i = 0; i <= 80; ++i) EXPECT_EQ(w.f.lblCollegamento[i].Caption, "junk") << i;
        EXPECT_FALSE(w.f.lblCollegamento[500].Enabled);
    }
}

// A fixture line: type, "prefix" or "word", entry, text and a "|" that keeps trailing
// blanks in sight. Each entry is drawn through the generator its type dispatches to:
// at 00:00:00 a pushed u draws the entry r it is made for.
TEST(GoldenTables, EveryEntryOfEveryTitleListThroughItsGenerator) {
    std::map<std::string, Lines> lists;  // "7\tword": its texts
    for (const std::string& l : recordLines(fixture("titles.txt"))) {
        const size_t list = l.find('\t', l.find('\t') + 1), text = l.find('\t', list + 1) + 1;
        lists[l.substr(0, list)].push_back(l.substr(text, l.size() - text - 1));
    }
    TestWindow w({.clock = {0, 0, 0}});
    int pushed = 0;
    auto queue = [&](const Lines& list, size_t i) {
        const size_t r = i % list.size();
        w.hp.random.push({uFor(static_cast<int>(r + 1), static_cast<int>(list.size()))});
        ++pushed;
        return list[r];
    };
    Lines drawn, expected;
    for (int t = 1; t <= 24; ++t) {
        const std::string type = std::to_string(t);
        const Lines &prefixes = lists[type + "\tprefix"], &words = lists[type + "\tword"];
        // Prefix i with word i: every entry of both lists at least once.
        for (size_t i = 0; i < std::max(prefixes.size(), words.size()); ++i) {
            std::string title = prefixes.empty() ? "" : queue(prefixes, i) + (t == 1 ? " " : "");
            title += queue(words, i);
            w.f.lblTipologiaTitolo.Caption = type;
            GeneraTitolo(w.f);
            drawn.push_back(type + ": " + w.f.TxtTitolo.Text);
            expected.push_back(type + ": " + title);
        }
    }
    EXPECT_EQ(firstDifference(drawn, expected), "");
    EXPECT_EQ(w.hp.random.drawn, pushed);
}

}  // namespace
