#include <gtest/gtest.h>

#include <fstream>

#include "model/data_files.h"
#include "platform/dispatch.h"
#include "settings/settings_record.h"
#include "support/headless_program.h"
#include "support/record_lines.h"

using namespace kelo;
using kelo::support::HeadlessProgram;

// Every draw d of the splash delay: at 10:30:30 the draw is (floor(10u) + 1) mod 10 + 1,
// which the second over 61 in place of the hour over 25 would shift.
TEST(StartUp, TheRoadHandsOverAfterTheDrawnSplashDelayAndUnlocksTheWindowAtTheGreeting) {
    const int delays[10] = {2000, 2025, 2050, 2075, 2100, 2125, 2150, 2200, 2250, 2300};
    for (int d = 1; d <= 10; ++d) {
        SCOPED_TRACE(d);
        HeadlessProgram p("startup-road");
        p.hp.clock.setTimeOfDay(10, 30, 30);
        p.hp.random.push({(static_cast<float>((d + 8) % 10) + 0.5f) / 10});
        p.program.start();
        EXPECT_EQ(p.hp.display.shown, (std::vector<Form*>{&p.program.splash}));
        EXPECT_EQ(p.program.splash.ImgScreen.Picture, "Kelo 2020\\Grafica\\Splash Kelo.jpg");
        const int delay = delays[d - 1];
        p.hp.advance(delay - 1);
        EXPECT_FALSE(p.f.Loaded);
        p.hp.advance(1);
        EXPECT_EQ(p.hp.display.shown.back(), &p.f);
        EXPECT_FALSE(p.f.cmdIncisi.Enabled);
        for (Timer* t : p.f.timers()) EXPECT_EQ(t->Enabled(), t == &p.f.TmrScaricaSplash) << t->Name;

        p.hp.advance(500);
        EXPECT_EQ(p.f.TxtTitolo.Text, "Buongiorno...");
        EXPECT_EQ(p.hp.display.unloaded, (std::vector<Form*>{&p.program.splash}));
        EXPECT_TRUE(p.f.TmrSignori.Enabled() && !p.f.lblAvvertimento.Visible);

        p.hp.advance(2499);
        EXPECT_FALSE(p.f.cmdIncisi.Enabled);
        p.hp.advance(1);
        EXPECT_EQ(p.f.TxtTitolo.Text, "Buongiorno, signori!");
        EXPECT_TRUE(p.f.lblAvvertimento.Visible && p.f.cmdIncisi.Enabled);
        for (int i = 1; i <= 4; ++i) EXPECT_TRUE(p.f.lblPuls[i].Enabled) << i;
        EXPECT_EQ(p.f.ActiveControl, &p.f.cmdIncisi);
        for (Timer* t : p.f.timers()) EXPECT_FALSE(t->Enabled()) << t->Name;
        // The start sound plays at once and stops for the greeting; nothing else sounds on the way.
        std::vector<SoundEvent> expected;
        for (const char* c : {"Open", "Prev", "Play"}) expected.push_back({"mmcAllarme", -1, c, 0});
        expected.push_back({"mmcAllarme", -1, "Close", delay + 500});
        for (const char* c : {"Prev", "Open", "Play"}) expected.push_back({"mmcKelo", 1, c, delay + 500});
        EXPECT_EQ(p.hp.sound.events, expected);
        EXPECT_EQ(p.hp.sound.opened.back(), std::string("Kelo 2020\\Kelo\\") + kPersonaLines[0]);
    }
}

// On a 800 x 600 screen both windows are fitted, the exit panel after the load placed it.
TEST(StartUp, TheMainWindowLoadsTheUserSettingsShowsLinkCaseTwoAndFitsTheScreenWithTheSplash) {
    HeadlessProgram p("startup-load");
    p.hp.display.screenSize = {12000, 9000};
    p.startAndGreet();
    frmKeloTrundo15& f = p.f;
    EXPECT_EQ(formatRecord(collectSettingsRecord(f)), p.readFile("Kelo 2020/Dati/User.txt"));
    EXPECT_EQ(f.lblCercaNota[5].Caption, "160");
    for (int i = 1; i <= 80; ++i) {
        EXPECT_EQ(f.lblCollegamento[i].Caption, f.lblCollegamento[160 + i].Caption) << i;
        EXPECT_EQ(f.lblCollegamento[i].Enabled, f.lblCollegamento[i].Caption != "X") << i;
    }
    EXPECT_GE(p.hp.random.seeds, 2);  // each window seeds the generator
    EXPECT_FLOAT_EQ(p.program.splash.Width, 12000);
    EXPECT_FLOAT_EQ(f.Width, 12000);
    EXPECT_FLOAT_EQ(f.Height, 9000);
    EXPECT_FLOAT_EQ(f.FraESci.Left, static_cast<float>(3000 * (12000.0 / 15360)));
    EXPECT_FLOAT_EQ(f.FraESci.Top, static_cast<float>(120 * (9000.0 / 11520)));
}

TEST(StartUp, TheLastInstallRootWithTheMarkerWinsForBothWindows) {
    HeadlessProgram p("startup-root");
    namespace fs = std::filesystem;
    fs::path drive = p.dir / "drive";
    p.hp.files.setDriveRoot(drive);
    fs::path tree = kelo::support::makeDataTree(drive / "C" / "Programmi");
    std::ofstream(tree / "Dati" / "User.txt", std::ios::binary) << kelo::support::factoryRecordWith({{89, "\"3\""}});
    fs::create_directories(drive / "C" / "Program Files" / "Kelo 2020" / "Dati");
    std::ofstream(drive / "C" / "Program Files" / "Kelo 2020" / "Dati" / kMarkerFile) << "x";
    p.startAndGreet();
    EXPECT_EQ(p.f.lblRip.Caption, "3") << "the settings were not read under the install root";
    EXPECT_EQ(p.program.splash.lblDir.Caption + p.f.lblDir.Caption, "C:\\Programmi\\C:\\Programmi\\");
    EXPECT_EQ(p.f.ImgNota[36].Picture, "C:\\Programmi\\Kelo 2020\\Grafica\\vuoto.jpg");
    EXPECT_EQ(p.f.mmcPiano[2].FileName, "C:\\Programmi\\Kelo 2020\\Suoni\\02 DO.wav");
}

TEST(StartUp, AMissingPictureIsTheRunTimeError) {
    HeadlessProgram p("startup-missing-picture");
    std::filesystem::remove(p.dir / "Kelo 2020" / "Grafica" / "tempo.jpg");
    p.hp.random.push({0.0f});
    p.program.start();
    try {
        p.hp.advance(2000);
        FAIL() << "the main window loaded without its time signature";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), ErrorCode::FileNotFound);
    }
}

// Esc before the greeting asks while the road goes on; "SI" then keeps the farewell on
// screen until the program ends.
TEST(StartUp, EscBeforeTheGreetingAsksWhileTheRoadGoesOnAndYesKeepsTheFarewell) {
    for (bool yes : {false, true}) {
        HeadlessProgram p("startup-early-esc");
        p.hp.random.push({0.0f});
        p.program.start();
        p.hp.advance(2600);  // greeting spoken, "Buongiorno, signori!" due at 5000
        ASSERT_TRUE(deliverClick(p.f.lblPuls[0]));
        EXPECT_TRUE(p.f.FraESci.Visible);
        ASSERT_TRUE(!yes || deliverClick(p.f.cmdEsci[0]));
        p.hp.advance(1499);
        EXPECT_EQ(p.f.TxtTitolo.Text, yes ? "Addio!" : "Buongiorno...");
        p.hp.advance(1);
        EXPECT_EQ(p.f.Loaded, !yes);
        p.hp.advance(1000);
        EXPECT_EQ(p.f.TxtTitolo.Text, yes ? "Addio!" : "Buongiorno, signori!");
        EXPECT_EQ(p.f.cmdIncisi.Enabled && p.f.FraESci.Visible, !yes);
    }
}
