// The four file label-buttons: their dialogs, a cancel, a file chosen anywhere,
// a folder that cannot be written, a pipe or a folder chosen to load, and the
// times they do nothing.
#include <sys/stat.h>

#include "app/command_buttons.h"
#include "engine/link_cases.h"
#include "model/record_storage.h"
#include "player/melody_record.h"
#include "player_test_support.h"
#include "settings/factory_defaults.h"
#include "settings/settings_record.h"

using namespace kelo;
using namespace kelo::playertest;
using Records = Player;

// A load dialog proposes the name of the dialog's last use, here the save's.
TEST_F(Records, ACancelOnlyGivesTheButtonBackAndEachDialogOpensInItsFolder) {
    composeAndStop();
    f.TxtTitolo.Text = "Città \"d'oro\" – Var. 2";
    const std::string before = state();
    for (int i = 1; i <= 4; ++i) press(i, std::nullopt);
    std::string asked;
    for (const DialogRequest& r : p.hp.dialogs.requests)
        asked +=
            r.filter + "|" + r.initDir + "|" + r.fileName + "|" + std::to_string(r.flags) + (r.save ? "s\n" : "o\n");
    const std::string melody =
        kFiltroTesto + std::string("|Kelo 2020\\Melodie\\|Kelo 2020\\Melodie\\Città d'oro – Var. 2.txt|2");
    const std::string profile =
        kFiltroTesto + std::string("|Kelo 2020\\Impostazioni\\|Kelo 2020\\Impostazioni\\Nuova.txt|2");
    EXPECT_EQ(asked, melody + "s\n" + melody + "o\n" + profile + "s\n" + profile + "o\n");
    EXPECT_EQ(state(), before);
    EXPECT_TRUE(fs::is_empty(melodie) && fs::is_empty(profili));
}

// A name saved without ".txt" gets it: the load dialog shows only text files.
TEST_F(Records, TheFileChosenElsewhereIsTheOneWrittenAndReadNotItsNamesakeInTheDefaultFolder) {
    const fs::path other = p.dir / "altrove";
    fs::create_directories(other);
    std::ofstream(melodie / "m.txt") << "esca";
    std::ofstream(profili / "p.txt") << "esca";
    composeAndStop();
    f.lblScritteVarie[75].Caption = "mio";
    f.lblCollegamento[80 * 5 + 3].Caption = "7";
    const std::string melody = formatRecord(collectMelodyRecord(f)), settings = support::settingsSnapshot(f);
    press(1, other / "m");
    press(3, other / "p.TXT");
    EXPECT_EQ(readFile(melodie / "m.txt") + readFile(profili / "p.txt"), "escaesca");

    resetAllToFactory(f);
    f.lblCercaNota[0].Caption = "5";  // the page shows link case 5
    CaricaCasoCollegamento(f);
    CaricaPaginaCollegamento(f);
    f.TxtTitolo.Text = "altro";
    press(4, other / "p.TXT");
    press(2, other / "m.txt");
    p.hp.advance(16 * 105);
    EXPECT_TRUE(p.hp.display.messages.empty());
    EXPECT_EQ(support::settingsSnapshot(f), settings);
    EXPECT_EQ(f.lblCollegamento[3].Caption, "7");  // the page shows the loaded bank
    EXPECT_EQ(formatRecord(collectMelodyRecord(f)), melody);
}

// A name typed without ".txt" is asked about as the file it names, so no file is
// replaced unasked; a No keeps the file and the dialog open for another name.
TEST_F(Records, AnExistingFileIsReplacedOnlyAfterTheOverwriteQuestion) {
    std::ofstream(melodie / "m.txt") << "mine";
    std::ofstream(profili / "p.txt") << "mine";
    composeAndStop();
    const std::string melody = formatRecord(collectMelodyRecord(f)), settings = formatRecord(collectSettingsRecord(f));
    p.hp.dialogs.replyToOverwrite(false);
    p.hp.dialogs.answer((melodie / "m").string());
    press(1, melodie / "altra");
    press(3, profili / "p");  // unscripted, the reply is Yes
    EXPECT_EQ(p.hp.dialogs.overwriteAsked,
              (std::vector<std::string>{(melodie / "m.txt").string(), (profili / "p.txt").string()}));
    EXPECT_EQ(readFile(melodie / "m.txt"), "mine");
    EXPECT_TRUE(readFile(melodie / "altra.txt") == melody && readFile(profili / "p.txt") == settings);
}

// A dialog answers a native path: there a backslash is part of a name, and the
// file is the one the dialog named (and asked about), not one in a subfolder.
TEST_F(Records, ABackslashInTheChosenNameIsPartOfTheNameNotAFolder) {
    for (const fs::path& folder : {melodie / "sub", profili / "sub"}) {
        fs::create_directories(folder);
        std::ofstream(folder / "x.txt") << "mine";
    }
    composeAndStop();
    const std::string melody = formatRecord(collectMelodyRecord(f)), settings = formatRecord(collectSettingsRecord(f));
    press(1, melodie / "sub\\x.txt");
    press(3, profili / "sub\\x.txt");
    EXPECT_EQ(f.CommonDialog2.FileTitle, "sub\\x.txt");
    EXPECT_TRUE(readFile(melodie / "sub\\x.txt") == melody && readFile(profili / "sub\\x.txt") == settings);

    f.TxtTitolo.Text = "altro";
    std::ofstream(profili / "sub" / "x.txt") << settings;  // a record, so that loading it would go unseen
    std::ofstream(profili / "sub\\x.txt") << "esca";
    press(4, profili / "sub\\x.txt");
    press(2, melodie / "sub\\x.txt");
    p.hp.advance(16 * 105);
    EXPECT_TRUE(formatRecord(collectMelodyRecord(f)) == melody) << "another melody was loaded";
    ASSERT_EQ(p.hp.display.messages.size(), 1U);
    EXPECT_NE(p.hp.display.messages[0].find("\"" + (profili / "sub\\x.txt").string() + "\" non è valido"),
              std::string::npos)
        << p.hp.display.messages[0];
    EXPECT_EQ(readFile(melodie / "sub" / "x.txt"), "mine");
}

TEST_F(Records, WhatCannotBeWrittenOrReadIsNamedInAMessageAndChangesNothing) {
    composeAndStop();
    ASSERT_EQ(::mkfifo((p.dir / "pipe.txt").c_str(), 0600), 0);  // opened as it is, it would never answer
    const std::string before = state();
    const std::pair<int, fs::path> cases[] = {{1, "/proc/m.txt"},      {3, "/proc/p.txt"}, {2, p.dir / "pipe.txt"},
                                              {4, p.dir / "pipe.txt"}, {2, melodie},       {4, profili}};
    for (const auto& [button, path] : cases) press(button, path);  // no file can be made in /proc, not even by root
    ASSERT_EQ(p.hp.display.messages.size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i)  // a load says why
        EXPECT_NE(
            p.hp.display.messages[i].find("\"" + cases[i].second.string() + (i < 2 ? "\"" : "\" non si può leggere")),
            std::string::npos)
            << p.hp.display.messages[i];
    EXPECT_EQ(state(), before);
}

TEST_F(Records, TheButtonsDoNothingWhileAMelodyIsRevealedOrPlayedAndSaveNothingBeforeTheFirst) {
    auto nothingHappens = [&](const char* when, std::initializer_list<int> buttons) {
        const std::string before = state();
        const size_t asked = p.hp.dialogs.requests.size();
        for (int i : buttons) lblPuls_Click(f, i);  // as a click that reached a disabled button would
        EXPECT_EQ(state(), before) << when;
        EXPECT_EQ(p.hp.dialogs.requests.size(), asked) << when;
    };
    nothingHappens("before the first melody", {1});
    ASSERT_TRUE(deliverClick(f.cmdIncisi));
    p.hp.advance(50);
    nothingHappens("in the reveal", {1, 2, 3, 4});
    p.hp.advance(16 * 105);
    nothingHappens("while it plays", {1, 2, 3, 4});
    for (int t = 0; t < 1000 && !f.TmrReplay.Enabled(); ++t) p.hp.advance(20);
    ASSERT_TRUE(f.TmrReplay.Enabled());
    nothingHappens("before the replay", {1, 2, 3, 4});

    p.hp.advance(1000);
    ASSERT_TRUE(deliverClick(f.lblPulsante[3]));  // stopped: the buttons are back
    press(1, melodie / "m.txt");
    press(2, melodie / "m.txt");
    ASSERT_TRUE(deliverClick(f.lblPulsante[3]) && deliverClick(f.lblPulsante[3]));  // played and stopped in the reveal
    ASSERT_TRUE(f.TmrMostraMelodiaDaFile.Enabled());
    EXPECT_FALSE(f.lblPuls[1].Enabled) << "a stop in the reveal must not offer the file buttons";
    nothingHappens("in the reveal of a loaded melody", {1, 2, 3, 4});
}
