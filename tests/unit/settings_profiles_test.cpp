// Saving the settings as a named profile and loading one back through the "DATI" buttons.
#include "engine/link_cases.h"
#include "records_test_support.h"
#include "settings/factory_defaults.h"

using namespace kelo;
using namespace kelo::recordstest;
using enginetest::settingsSnapshot;
using Profiles = Records;

TEST_F(Profiles, SaveAndLoadBringBackEveryTableTheNameOfLineOneAndThePageOnShow) {
    f.lblScritteVarie[75].Caption = "Città mia";
    f.lblNota[1].Caption = "2";
    f.lblCollegamento[80 * 5 + 3].Caption = "7";
    f.lblModulo[2].BackColor = ColoreSpento;
    f.lblFreqInc[25].Caption = "12";
    const std::string saved = settingsSnapshot(f);
    press(3, profili / "Nuova.txt");
    EXPECT_EQ(readFile(profili / "Nuova.txt").substr(0, 13), "\"Citt\xE0 mia\"\r\n");

    resetAllToFactory(f);
    f.lblCercaNota[0].Caption = "5";  // the page shows link case 5
    CaricaCasoCollegamento(f);
    CaricaPaginaCollegamento(f);
    press(4, profili / "Nuova.txt");
    EXPECT_EQ(settingsSnapshot(f), saved);
    EXPECT_EQ(f.lblCollegamento[3].Caption, "7");
    EXPECT_TRUE(f.lblPuls[3].BackColor == ColoreSpento && f.lblPuls[4].BackColor == ColoreSpento);
}

TEST_F(Profiles, ABadProfileNamesItsLineChangesNothingAndStaysInPlaceAnOddGoodOneLoads) {
    using kelo::testing::factoryRecordWith;
    struct Case {
        const char* what;
        std::string content;
        int line;  // 0: it loads
    } cases[] = {
        {"short", factoryRecordWith({}, 1299), 1300},
        {"malformed", factoryRecordWith({{57, "\"16"}}), 57},
        {"fine up to the last line", factoryRecordWith({{1, "\"parziale\""}, {89, "\"5\""}, {1300, "\"17\""}}), 1300},
        {"byte-order mark, LF only, Windows-1252", [] {
             std::string s = "\xEF\xBB\xBF";
             for (char c : factoryRecordWith({{1, "\"Citt\xE0\""}}))
                 if (c != '\r') s += c;
             return s;
         }(), 0},
    };
    const fs::path file = profili / "altro nome.txt";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        p.hp.display.messages.clear();
        std::ofstream(file, std::ios::binary) << c.content;
        const std::string before = state();
        press(4, file);
        EXPECT_EQ(readFile(file), c.content);
        EXPECT_FALSE(fs::exists(file.string() + ".bad"));
        if (c.line == 0) {
            EXPECT_TRUE(p.hp.display.messages.empty());
            EXPECT_EQ(f.lblScritteVarie[75].Caption, "Città");
            continue;
        }
        ASSERT_EQ(p.hp.display.messages.size(), 1u);
        EXPECT_NE(p.hp.display.messages[0].find(file.string()), std::string::npos);
        EXPECT_NE(p.hp.display.messages[0].find("riga " + std::to_string(c.line) + ":"), std::string::npos);
        EXPECT_EQ(state(), before);
    }
}
