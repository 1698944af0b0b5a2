#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/colours.h"
#include "model/main_window.h"
#include "platform/headless/headless_platform.h"
#include "settings/factory_defaults.h"
#include "settings/factory_record.h"
#include "settings/settings_check.h"
#include "settings/settings_record.h"

using namespace kelo;

TEST(SettingsRecordLayout, EachFieldHasItsOwnLine) {
    const auto& fields = settingsRecordFields();
    ASSERT_EQ(fields.size(), 1300u);
    for (size_t i = 0; i < fields.size(); ++i)
        EXPECT_EQ(settingsRecordLine(fields[i].table, fields[i].index, fields[i].colour), static_cast<int>(i + 1)) << i;
    // Cells the record does not hold.
    EXPECT_EQ(settingsRecordLine(SettingsTable::FreqInc, 0, false), 0);
    EXPECT_EQ(settingsRecordLine(SettingsTable::Collegamento, 80, false), 0);
    EXPECT_EQ(settingsRecordLine(SettingsTable::Nota, 0, false), 0);
}

TEST(SettingsRecord, TheFactoryRecordIsUsableAndTheDesignBankIsNot) {
    HeadlessPlatform hp;
    frmKeloTrundo15 f(hp.platform);
    // The design bank holds "1" also where link case 1 has no figure (bank cell 86).
    EXPECT_EQ(readSettingsRecord(formatRecord(collectSettingsRecord(f))).badLine, 86 + 23);

    std::string text = FactorySettingsRecordText(hp.platform);
    lblDefault_MouseDown(f, 0, MouseArgs{});
    EXPECT_EQ(formatRecord(collectSettingsRecord(f)), text);
    SettingsRecordCheck check = readSettingsRecord(text);
    EXPECT_TRUE(check.ok()) << check.badLine << ": " << check.reason;
}

// Far from both design and factory values, but what the editors could produce, with
// an empty profile name; applied, it writes captions and colours and nothing else.
TEST(SettingsRecord, RoundTripRestoresEveryFieldAndWritesOnlyCaptionsAndColours) {
    HeadlessPlatform hp;
    frmKeloTrundo15 f(hp.platform);
    resetAllToFactory(f);
    f.lblScritteVarie[75].Caption = "";
    for (int k : {2, 9}) f.lblModulo[k].BackColor = ColoreSpento;
    for (int k = 5; k <= 13; ++k) f.lblModuloB[k].BackColor = ColoreSpento;
    for (int k = 2; k <= 13; ++k) f.lblCadenza[k].BackColor = ColoreSpento;
    f.lblInciso[1].BackColor = f.lblFreqIncisi[0].BackColor = ColoreSpento;
    for (auto [cell, text] : std::initializer_list<std::pair<Label*, const char*>>{
             {&f.lblFreqInc[25], "11"}, {&f.lblFreqInc[26], "11"}, {&f.lblFreqInc[13], "16"}, {&f.lblFreIncB[25], "4"},
             {&f.lblFreIncB[26], "4"}, {&f.lblInciso[16], "14"}, {&f.lblRip, "16"}, {&f.lblAccordi[5], "13"},
             {&f.lblNotafinale[1], "0"}, {&f.lblNotafinale[3], "0"}, {&f.lblCollegamento[600], "11"},
             {&f.lblNota[130], "1"}, {&f.lblCadenza[0], "1"}, {&f.lblFreCad[13], "15"}})
        cell->Caption = text;
    const std::vector<RecordValue> before = collectSettingsRecord(f);
    const std::string text = formatRecord(before);
    EXPECT_EQ(text.substr(0, 4), "\"\"\r\n") << "the empty name";
    SettingsRecordCheck check = readSettingsRecord(text + "\r\n \r\n");
    ASSERT_TRUE(check.ok()) << check.badLine << ": " << check.reason;
    EXPECT_EQ(check.values.size(), 1300u);

    frmKeloTrundo15 g(hp.platform);
    g.lblFreqInc[0].Caption = "9";
    g.lblCollegamento[5].Caption = "7";
    g.lblCollegamento[700].Enabled = false;
    g.lblModulo[3].BorderStyle = 1;
    applySettingsRecord(g, check.values);
    EXPECT_EQ(collectSettingsRecord(g), before);
    EXPECT_EQ(g.lblFreqInc[0].Caption + g.lblCollegamento[5].Caption, "97");
    EXPECT_FALSE(g.lblCollegamento[700].Enabled);
    EXPECT_EQ(g.lblModulo[3].BorderStyle, 1);
}
