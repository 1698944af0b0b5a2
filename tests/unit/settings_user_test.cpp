#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "model/main_window.h"
#include "settings/settings_record.h"
#include "settings/user_settings.h"
#include "support/record_lines.h"
#include "support/headless_program.h"

using namespace kelo;
using namespace kelo::support;
namespace fs = std::filesystem;

// A missing file, or one that is empty, short, malformed, disagrees or goes bad only at
// its last line: one message naming the file (and the line), a bad file moved aside, and
// the factory settings in the window, nothing of the file's first lines.
TEST(UserSettings, AMissingOrBadFileLeavesTheFactorySettingsAndABadOneIsMovedAside) {
    const struct Case {
        const char* what;
        std::optional<std::string> content;
        int line;
    } cases[] = {
        {"missing", std::nullopt, 0},
        {"empty", "", 1},
        {"short", factoryRecordWith({}, 1299), 1300},
        {"malformed", factoryRecordWith({{57, "\"16"}}), 57},
        {"count disagrees", factoryRecordWith({{4, "16777215"}}), 2},
        {"last line", factoryRecordWith({{1, "\"parziale\""}, {89, "\"5\""}, {1300, "\"quindici\""}}), 1300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path root = freshFolder("user"), user = root / "Kelo 2020" / "Dati" / "User.txt";
        const fs::path bad = user.string() + ".bad";
        if (c.content) fs::create_directories(user.parent_path()), std::ofstream(user, std::ios::binary) << *c.content;
        HeadlessPlatform hp(root);
        frmKeloTrundo15 w(hp.platform);
        CaricaImpostazioniUtente(w);
        ASSERT_EQ(hp.display.messages.size(), 1u);
        const std::string& msg = hp.display.messages[0];
        EXPECT_NE(msg.find(hp.files.nativePath("Kelo 2020\\Dati\\User.txt")), std::string::npos) << msg;
        EXPECT_TRUE(!c.line || msg.find("riga " + std::to_string(c.line) + ":") != std::string::npos) << msg;
        EXPECT_FALSE(fs::exists(user));
        EXPECT_EQ(c.content.value_or("none"), fs::exists(bad) ? readFile(bad) : "none");
        EXPECT_EQ(formatRecord(collectSettingsRecord(w)), factoryRecordWith());
        fs::remove_all(root);
    }
}
