#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "model/main_window.h"
#include "platform/record_format.h"
#include "settings/settings_record.h"
#include "settings/user_settings.h"
#include "support/headless_program.h"
#include "support/record_lines.h"

using namespace kelo;
using namespace kelo::support;
namespace fs = std::filesystem;

// A missing file, or one that is empty, short, malformed, disagrees, goes bad only at
// its last line or after it, is too large, a folder or a pipe: one message naming the
// file and what is wrong, the factory settings in the window, nothing of the file's
// first lines, and a bad file moved aside, beside the copy of an earlier start; a
// folder or a pipe cannot be, and stays as it is.
TEST(UserSettings, AMissingOrBadFileLeavesTheFactorySettingsAndABadOneIsMovedAside) {
    const std::string noFile = "non si può leggere. Non è stato possibile metterlo da parte.";
    auto riga = [](int n) { return "non è valido alla riga " + std::to_string(n) + ":"; };
    const struct Case {
        const char* what;
        std::optional<std::string> content;  // "/": a folder, "|": a pipe
        std::string says;
    } cases[] = {
        {"missing", std::nullopt, "non esiste"},
        {"empty", "", riga(1)},
        {"short", factoryRecordWith({}, 1299), riga(1300)},
        {"one value", "\"Kelo\"\r\n", riga(2) + " il file finisce dopo 1 valore,"},
        {"malformed", factoryRecordWith({{57, "\"16"}}), riga(57)},
        {"count disagrees", factoryRecordWith({{4, "16777215"}}), riga(2)},
        {"last line", factoryRecordWith({{1, "\"parziale\""}, {89, "\"5\""}, {1300, "\"quindici\""}}), riga(1300)},
        {"text after it", factoryRecordWith() + "\r\nfine", riga(1302)},
        {"padded", factoryRecordWith() + std::string(kRecordFileLimit, '\0'), "è troppo grande"},
        {"folder", "/", noFile},
        {"pipe", "|", noFile},  // opened as it is, it would never answer
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path root = freshFolder("user"), user = root / "Kelo 2020" / "Dati" / "User.txt";
        const bool file = c.content && c.content != "/" && c.content != "|";
        fs::create_directories(c.content == "/" ? user : user.parent_path());
        if (c.content == "|") {
            ASSERT_EQ(::mkfifo(user.c_str(), 0600), 0);
        }
        HeadlessPlatform hp(root);
        frmKeloTrundo15 w(hp.platform);
        for (const std::string copy : {".bad", ".bad.2"}) {
            if (file) std::ofstream(user, std::ios::binary) << *c.content;
            hp.display.messages.clear();
            CaricaImpostazioniUtente(w);
            ASSERT_EQ(hp.display.messages.size(), 1u);
            const std::string& msg = hp.display.messages[0];
            EXPECT_NE(msg.find("\"" + user.string() + "\" " + c.says), std::string::npos) << msg;
            EXPECT_TRUE(!file || msg.find("come \"" + user.string() + copy + "\"") != std::string::npos) << msg;
            EXPECT_EQ(fs::exists(user), c.content && !file);
            EXPECT_EQ(file ? *c.content : "none",
                      fs::exists(user.string() + copy) ? readFile(user.string() + copy) : "none");
            EXPECT_EQ(formatRecord(collectSettingsRecord(w)), factoryRecordWith());
        }
        fs::remove_all(root);
    }
}
