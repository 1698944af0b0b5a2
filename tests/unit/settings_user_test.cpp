#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/main_window.h"
#include "platform/headless/headless_platform.h"
#include "settings/factory_record.h"
#include "settings/settings_record.h"
#include "settings/user_settings.h"

using namespace kelo;
namespace fs = std::filesystem;

namespace {

fs::path makeTempFolder() {
    std::string pattern = (fs::temp_directory_path() / "kelo-user-XXXXXX").string();
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    const char* made = mkdtemp(buf.data());
    if (!made) throw std::runtime_error("mkdtemp failed");
    return fs::path(made);
}

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void spit(const fs::path& p, const std::string& content) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << content;
}

struct UserSettings : ::testing::Test {
    fs::path root = makeTempFolder();
    HeadlessPlatform hp{root};
    frmKeloTrundo15 f{hp.platform};
    fs::path user = root / "Kelo 2020" / "Dati" / "User.txt";
    fs::path bad = root / "Kelo 2020" / "Dati" / "User.txt.bad";
    std::string factory = FactorySettingsRecordText(hp.platform);

    ~UserSettings() override {
        std::error_code ec;
        fs::remove_all(root, ec);
    }

    std::string windowRecord() { return formatRecord(collectSettingsRecord(f)); }

    // The factory record with some lines (1-based) replaced.
    std::string factoryWith(std::initializer_list<std::pair<int, std::string>> changes) {
        std::vector<std::string> lines;
        for (size_t p = 0, e; (e = factory.find("\r\n", p)) != std::string::npos; p = e + 2)
            lines.push_back(factory.substr(p, e - p));
        for (const auto& [n, text] : changes) lines.at(static_cast<size_t>(n - 1)) = text;
        std::string out;
        for (const std::string& l : lines) out += l + "\r\n";
        return out;
    }
    std::string factoryWith(int n, const std::string& line) { return factoryWith({{n, line}}); }
    std::string firstLines(int count) {
        size_t end = 0;
        for (int i = 0; i < count; ++i) end = factory.find("\r\n", end) + 2;
        return factory.substr(0, end);
    }
};

}  // namespace

TEST_F(UserSettings, LoadsAValidRecordAndLeavesTheFileInPlace) {
    spit(user, factoryWith({{1, "\"Serata\""}, {89, "\"16\""}}));
    CaricaImpostazioniUtente(f);
    EXPECT_TRUE(hp.display.messages.empty());
    EXPECT_EQ(f.lblScritteVarie[75].Caption, "Serata");
    EXPECT_EQ(f.lblRip.Caption, "16");
    EXPECT_EQ(f.lblFreCad[6].Caption, "16");
    EXPECT_EQ(f.lblCollegamento[81].Caption, "X");
    EXPECT_TRUE(fs::exists(user));
    EXPECT_FALSE(fs::exists(bad));
}

TEST_F(UserSettings, ProfileNameTravelsFromExitToTheNextStart) {
    f.lblScritteVarie[75].Caption = "modificati dall'Utente";
    f.lblNota[1].Caption = "2";
    fs::create_directories(user.parent_path());
    ASSERT_TRUE(SalvaImpostazioniUtente(f));
    std::string written = slurp(user);
    EXPECT_EQ(written, windowRecord());
    EXPECT_FALSE(fs::exists(user.string() + ".tmp"));

    frmKeloTrundo15 next(hp.platform);
    CaricaImpostazioniUtente(next);
    EXPECT_TRUE(hp.display.messages.empty());
    EXPECT_EQ(collectSettingsRecord(next), collectSettingsRecord(f));
    EXPECT_EQ(next.lblScritteVarie[75].Caption, "modificati dall'Utente");
}

TEST_F(UserSettings, PathStartsWithTheInstallRoot) {
    f.lblDir.Caption = "Programmi\\";
    EXPECT_EQ(userSettingsPath(f), "Programmi\\Kelo 2020\\Dati\\User.txt");
    spit(root / "Programmi" / "Kelo 2020" / "Dati" / "User.txt", factoryWith(89, "\"3\""));
    CaricaImpostazioniUtente(f);
    EXPECT_TRUE(hp.display.messages.empty());
    EXPECT_EQ(f.lblRip.Caption, "3");
}

TEST_F(UserSettings, MissingFileStartsFromTheFactorySettings) {
    CaricaImpostazioniUtente(f);
    ASSERT_EQ(hp.display.messages.size(), 1u);
    EXPECT_NE(hp.display.messages[0].find("User.txt"), std::string::npos) << hp.display.messages[0];
    EXPECT_EQ(windowRecord(), factory);
    EXPECT_FALSE(fs::exists(bad));
    EXPECT_FALSE(fs::exists(user));
}

TEST_F(UserSettings, BadFilesAreMovedAsideAndTheFactorySettingsTakeOver) {
    // Case 2 to do' (bank cells 225..232, lines 248..255): the pivot weights allow that move.
    std::initializer_list<std::pair<int, std::string>> emptyRow = {
        {248, "\"X\""}, {249, "\"X\""}, {250, "\"X\""}, {251, "\"X\""},
        {252, "\"X\""}, {253, "\"X\""}, {254, "\"X\""}, {255, "\"X\""}};
    struct Case {
        const char* what;
        std::string content;
        int line;
    } cases[] = {
        {"empty", "", 1},
        {"short", firstLines(1299), 1300},
        {"malformed", factoryWith(57, "\"16"), 57},
        {"weight no number", factoryWith(5, "\"otto\""), 5},
        {"weight out of range", factoryWith(1290, "\"17\""), 1290},
        {"count disagrees", factoryWith(4, "16777215"), 2},
        {"pool too big", factoryWith(3, "\"14\""), 3},
        {"X misplaced", factoryWith(1144, "\"X\""), 1144},
        {"empty link row", factoryWith(emptyRow), 248},
        {"switch colour", factoryWith(1275, "255"), 1275},
        // Every line fine up to the last: nothing of the first lines may reach the window.
        {"last line", factoryWith({{1, "\"parziale\""}, {89, "\"5\""}, {1300, "\"quindici\""}}), 1300},
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
        ASSERT_TRUE(fs::exists(bad));
        EXPECT_EQ(slurp(bad), c.content);
        EXPECT_EQ(formatRecord(collectSettingsRecord(w)), factory);
    }
}

TEST_F(UserSettings, FailedSaveKeepsTheOldFileAndReports) {
    spit(user, factory);
    f.lblRip.Caption = "1";
    // Something in the way of the temporary file: a folder of the same name.
    fs::create_directories(user.string() + ".tmp");
    EXPECT_FALSE(SalvaImpostazioniUtente(f));
    ASSERT_EQ(hp.display.messages.size(), 1u);
    EXPECT_NE(hp.display.messages[0].find(hp.files.nativePath(userSettingsPath(f))), std::string::npos);
    EXPECT_EQ(slurp(user), factory);
}

TEST_F(UserSettings, SaveWithoutTheDataFolderReportsAndGoesOn) {
    EXPECT_FALSE(SalvaImpostazioniUtente(f));
    EXPECT_EQ(hp.display.messages.size(), 1u);
    EXPECT_FALSE(fs::exists(user));
}
