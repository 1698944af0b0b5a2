#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "model/main_window.h"
#include "settings/factory_defaults.h"
#include "settings/settings_record.h"
#include "settings/user_settings.h"
#include "support/headless_program.h"

using namespace kelo;
using namespace kelo::testing;
namespace fs = std::filesystem;

namespace {

void spit(const fs::path& p, const std::string& content) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << content;
}

struct UserSettings : ::testing::Test {
    fs::path root = freshFolder("user");
    HeadlessPlatform hp{root};
    frmKeloTrundo15 f{hp.platform};
    fs::path user = root / "Kelo 2020" / "Dati" / "User.txt";
    fs::path bad = root / "Kelo 2020" / "Dati" / "User.txt.bad";

    ~UserSettings() override {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    std::string windowRecord(frmKeloTrundo15& w) { return formatRecord(collectSettingsRecord(w)); }
};

}  // namespace

TEST_F(UserSettings, WhatOneRunSavesTheNextLoadsAndTheFileStays) {
    resetAllToFactory(f);  // a run always starts from a checked record
    f.lblScritteVarie[75].Caption = "modificati dall'Utente";
    f.lblNota[1].Caption = "2";
    fs::create_directories(user.parent_path());
    ASSERT_TRUE(SalvaImpostazioniUtente(f));
    EXPECT_EQ(readFile(user), windowRecord(f));
    EXPECT_FALSE(fs::exists(user.string() + ".tmp"));

    frmKeloTrundo15 next(hp.platform);
    CaricaImpostazioniUtente(next);
    EXPECT_TRUE(hp.display.messages.empty());
    EXPECT_EQ(windowRecord(next), windowRecord(f));
    EXPECT_TRUE(fs::exists(user));
    EXPECT_FALSE(fs::exists(bad));
}

TEST_F(UserSettings, MissingFileStartsFromTheFactorySettings) {
    CaricaImpostazioniUtente(f);
    ASSERT_EQ(hp.display.messages.size(), 1u);
    EXPECT_NE(hp.display.messages[0].find("User.txt"), std::string::npos) << hp.display.messages[0];
    EXPECT_EQ(windowRecord(f), factoryRecordWith());
    EXPECT_FALSE(fs::exists(bad));
    EXPECT_FALSE(fs::exists(user));
}

TEST_F(UserSettings, BadFilesAreMovedAsideAndTheFactorySettingsTakeOver) {
    struct Case {
        const char* what;
        std::string content;
        int line;
    } cases[] = {
        {"empty", "", 1},
        {"short", factoryRecordWith({}, 1299), 1300},
        {"malformed", factoryRecordWith({{57, "\"16"}}), 57},
        {"count disagrees", factoryRecordWith({{4, "16777215"}}), 2},
        // Every line fine up to the last: nothing of the first lines may reach the window.
        {"last line", factoryRecordWith({{1, "\"parziale\""}, {89, "\"5\""}, {1300, "\"quindici\""}}), 1300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::error_code ec;
        fs::remove(bad, ec);
        hp.display.messages.clear();
        spit(user, c.content);

        frmKeloTrundo15 w(hp.platform);
        CaricaImpostazioniUtente(w);
        ASSERT_EQ(hp.display.messages.size(), 1u);
        const std::string& msg = hp.display.messages[0];
        EXPECT_NE(msg.find(hp.files.nativePath("Kelo 2020\\Dati\\User.txt")), std::string::npos) << msg;
        EXPECT_NE(msg.find("riga " + std::to_string(c.line) + ":"), std::string::npos) << msg;
        EXPECT_FALSE(fs::exists(user));
        EXPECT_EQ(readFile(bad), c.content);
        EXPECT_EQ(windowRecord(w), factoryRecordWith());
    }
}

TEST_F(UserSettings, ASaveThatCannotWriteReportsKeepsTheOldFileAndGoesOn) {
    EXPECT_FALSE(SalvaImpostazioniUtente(f));  // no data folder at all
    EXPECT_EQ(hp.display.messages.size(), 1u);
    EXPECT_FALSE(fs::exists(user));

    spit(user, factoryRecordWith());
    f.lblRip.Caption = "1";
    fs::create_directories(user.string() + ".tmp");  // something in the way of the temporary file
    EXPECT_FALSE(SalvaImpostazioniUtente(f));
    ASSERT_EQ(hp.display.messages.size(), 2u);
    EXPECT_NE(hp.display.messages[1].find(hp.files.nativePath(userSettingsPath(f))), std::string::npos);
    EXPECT_EQ(readFile(user), factoryRecordWith());
}
