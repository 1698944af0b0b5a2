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

namespace {

struct SettingsRecord : ::testing::Test {
    HeadlessPlatform hp;
    frmKeloTrundo15 f{hp.platform};

    // A window far from both design and factory values, but one the editors could produce.
    void editEverywhere() {
        resetAllToFactory(f);
        f.lblScritteVarie[75].Caption = "modificati dall'Utente";
        f.lblModulo[2].BackColor = ColoreSpento;
        f.lblModulo[9].BackColor = ColoreSpento;
        f.lblFreqInc[25].Caption = "11";
        f.lblFreqInc[26].Caption = "11";
        f.lblFreqInc[13].Caption = "16";
        for (int k = 5; k <= 13; ++k) f.lblModuloB[k].BackColor = ColoreSpento;
        f.lblFreIncB[25].Caption = "4";
        f.lblFreIncB[26].Caption = "4";
        f.lblInciso[1].BackColor = ColoreSpento;
        f.lblInciso[16].Caption = "14";
        f.lblFreqIncisi[0].BackColor = ColoreSpento;
        f.lblRip.Caption = "16";
        f.lblAccordi[5].Caption = "13";
        f.lblNotafinale[1].Caption = "0";
        f.lblNotafinale[3].Caption = "0";
        f.lblCollegamento[600].Caption = "11";
        f.lblNota[130].Caption = "1";
        for (int k = 2; k <= 13; ++k) f.lblCadenza[k].BackColor = ColoreSpento;
        f.lblCadenza[0].Caption = "1";
        f.lblFreCad[13].Caption = "15";
    }
};

std::string lfOnly(std::string s) {
    std::string out;
    for (char c : s)
        if (c != '\r') out += c;
    return out;
}

}  // namespace

TEST(SettingsRecordLayout, FieldsFollowTheLineTable) {
    const auto& fields = settingsRecordFields();
    ASSERT_EQ(fields.size(), 1300u);
    for (size_t i = 0; i < fields.size(); ++i)
        EXPECT_EQ(settingsRecordLine(fields[i].table, fields[i].index, fields[i].colour), static_cast<int>(i + 1)) << i;

    using T = SettingsTable;
    EXPECT_EQ(settingsRecordLine(T::ScritteVarie, 75, false), 1);
    EXPECT_EQ(settingsRecordLine(T::Modulo, 1, true), 4);
    EXPECT_EQ(settingsRecordLine(T::FreIncB, 25, false), 30);
    EXPECT_EQ(settingsRecordLine(T::FreqIncisi, 0, true), 88);
    EXPECT_EQ(settingsRecordLine(T::Rip, -1, false), 89);
    EXPECT_EQ(settingsRecordLine(T::Inciso, 16, false), 90);
    EXPECT_EQ(settingsRecordLine(T::Notafinale, 4, false), 103);
    EXPECT_EQ(settingsRecordLine(T::Collegamento, 81, false), 104);
    EXPECT_EQ(settingsRecordLine(T::Nota, 1, false), 1144);
    EXPECT_EQ(settingsRecordLine(T::Cadenza, 0, false), 1274);
    EXPECT_EQ(settingsRecordLine(T::FreCad, 13, false), 1300);
    // Cells the record does not hold.
    EXPECT_EQ(settingsRecordLine(T::FreqInc, 0, false), 0);
    EXPECT_EQ(settingsRecordLine(T::Collegamento, 80, false), 0);
    EXPECT_EQ(settingsRecordLine(T::Nota, 0, false), 0);
}

TEST_F(SettingsRecord, FactoryRecordTextIsWhatTheResetAllWindowWrites) {
    std::string text = FactorySettingsRecordText(hp.platform);
    EXPECT_EQ(text.rfind("\"Kelo (trundo) 2020\"\r\n\"13\"\r\n\"6\"\r\n12632319\r\n\"8\"\r\n12632319\r\n\"12\"\r\n"
                         "12632319\r\n\"1\"\r\n",
                         0),
              0u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    size_t lines = 0;
    for (size_t p = 0; (p = text.find("\r\n", p)) != std::string::npos; p += 2) ++lines;
    EXPECT_EQ(lines, 1300u);
    EXPECT_EQ(text.find('\n', 0), text.find("\r\n", 0) + 1);  // no bare LF

    lblDefault_MouseDown(f, 0, MouseArgs{});
    EXPECT_EQ(formatRecord(collectSettingsRecord(f)), text);
    SettingsRecordCheck check = readSettingsRecord(text);
    EXPECT_TRUE(check.ok()) << check.badLine << ": " << check.reason;
}

TEST_F(SettingsRecord, DesignWindowRecordIsUsableToo) {
    SettingsRecordCheck check = readSettingsRecord(formatRecord(collectSettingsRecord(f)));
    EXPECT_TRUE(check.ok()) << check.badLine << ": " << check.reason;
}

TEST_F(SettingsRecord, RoundTripRestoresEveryField) {
    editEverywhere();
    std::vector<RecordValue> before = collectSettingsRecord(f);
    std::string text = formatRecord(before);
    SettingsRecordCheck check = readSettingsRecord(text);
    ASSERT_TRUE(check.ok()) << check.badLine << ": " << check.reason;

    frmKeloTrundo15 fresh(hp.platform);
    applySettingsRecord(fresh, check.values);
    EXPECT_EQ(collectSettingsRecord(fresh), before);
    EXPECT_EQ(fresh.lblScritteVarie[75].Caption, "modificati dall'Utente");
    EXPECT_EQ(fresh.lblModuloB[5].BackColor, ColoreSpento);
    EXPECT_EQ(fresh.lblCollegamento[600].Caption, "11");

    // LF line ends read the same.
    SettingsRecordCheck lf = readSettingsRecord(lfOnly(text));
    ASSERT_TRUE(lf.ok()) << lf.badLine << ": " << lf.reason;
    EXPECT_EQ(lf.values, check.values);
}

TEST_F(SettingsRecord, EmptyProfileNameTravelsAsTwoQuotes) {
    f.lblScritteVarie[75].Caption = "";
    std::string text = formatRecord(collectSettingsRecord(f));
    EXPECT_EQ(text.substr(0, 4), "\"\"\r\n");
    SettingsRecordCheck check = readSettingsRecord(text);
    ASSERT_TRUE(check.ok());
    f.lblScritteVarie[75].Caption = "altro";
    applySettingsRecord(f, check.values);
    EXPECT_EQ(f.lblScritteVarie[75].Caption, "");
}

TEST_F(SettingsRecord, LinesAfterTheLastFieldAreNeverRead) {
    std::string text = formatRecord(collectSettingsRecord(f)) + "\"extra\"\r\nnot a value at all\r\n";
    SettingsRecordCheck check = readSettingsRecord(text);
    ASSERT_TRUE(check.ok()) << check.badLine;
    EXPECT_EQ(check.values.size(), 1300u);
}

TEST_F(SettingsRecord, ApplyWritesCaptionsAndColoursOnly) {
    editEverywhere();
    std::vector<RecordValue> values = collectSettingsRecord(f);

    frmKeloTrundo15 g(hp.platform);
    g.lblFreqInc[0].Caption = "9";
    g.lblCollegamento[5].Caption = "7";
    g.lblCollegamento[700].Enabled = false;
    g.lblModulo[3].BorderStyle = 1;
    g.lblVeloc[0].Caption = "2";
    applySettingsRecord(g, values);
    EXPECT_EQ(g.lblFreqInc[0].Caption, "9");
    EXPECT_EQ(g.lblCollegamento[5].Caption, "7");
    EXPECT_FALSE(g.lblCollegamento[700].Enabled);
    EXPECT_EQ(g.lblModulo[3].BorderStyle, 1);
    EXPECT_EQ(g.lblVeloc[0].Caption, "2");
    EXPECT_FALSE(g.lblNota[8].Enabled);
    EXPECT_EQ(g.lblModulo[2].BackColor, ColoreSpento);
    EXPECT_EQ(g.lblFreqInc[26].Caption, "11");
}
