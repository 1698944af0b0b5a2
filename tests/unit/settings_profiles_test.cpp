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
    const FileCase cases[] = {
        {"short", factoryRecordWith({}, 1299), 1300},
        {"malformed", factoryRecordWith({{57, "\"16"}}), 57},
        {"fine up to the last line", factoryRecordWith({{1, "\"parziale\""}, {89, "\"5\""}, {1300, "\"17\""}}), 1300},
        {"byte-order mark, LF only, Windows-1252", "\xEF\xBB\xBF" + lfOnly(factoryRecordWith({{1, "\"Citt\xE0\""}})), 0},
    };
    const fs::path file = profili / "altro nome.txt";
    for (const FileCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string before = load(4, file, c.content);
        EXPECT_EQ(readFile(file), c.content);
        EXPECT_FALSE(fs::exists(file.string() + ".bad"));
        if (c.line == 0) {
            EXPECT_TRUE(p.hp.display.messages.empty());
            EXPECT_EQ(f.lblScritteVarie[75].Caption, "Città");
            continue;
        }
        expectRefused(file, c.line, before);
    }
}
