#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "app/startup.h"
#include "model/colours.h"
#include "model/data_files.h"
#include "model/random_draw.h"
#include "platform/dispatch.h"
#include "support/headless_program.h"

using namespace kelo;
using kelo::testing::HeadlessProgram;

namespace {
std::vector<SoundEvent> eventsOf(const RecordingSound& s, const std::string& player, int index = -2) {
    std::vector<SoundEvent> out;
    for (const SoundEvent& e : s.events)
        if (e.player == player && (index == -2 || e.index == index)) out.push_back(e);
    return out;
}
}  // namespace

TEST(StartUp, TheSplashDelayDrawGivesEachTableValue) {
    const int table[11] = {0, 2000, 2025, 2050, 2075, 2100, 2125, 2150, 2200, 2250, 2300};
    for (int d = 1; d <= 10; ++d) {
        HeadlessProgram p("splash-delay");
        p.hp.random.push({(d - 1) / 10.0f + 0.05f});  // at 00:00:00 the draw is floor(10u) + 1
        p.program.start();
        EXPECT_EQ(p.program.splash.TmrVia.Interval(), table[d]) << d;
        EXPECT_TRUE(p.program.splash.TmrVia.Enabled());
        p.hp.advance(table[d] - 1);
        EXPECT_FALSE(p.f.Loaded) << d;
        p.hp.advance(1);
        EXPECT_TRUE(p.f.Loaded) << d;
    }
    EXPECT_EQ(RitardoSplash(0), 2100);
    EXPECT_EQ(RitardoSplash(11), 2100);
}

TEST(StartUp, TheSplashDelayIsNeverAnotherValueAtAnyHour) {
    HeadlessPlatform hp;
    frmSplashKelo2020 s(hp.platform);
    std::set<int> seen;
    for (int hour = 0; hour < 24; ++hour)
        for (int minute = 0; minute < 60; minute += 7)
            for (int k = 0; k < 20; ++k) {
                hp.clock.setTimeOfDay(hour, minute, 0);
                seen.insert(RitardoSplash(NumeroCasualeOra(s, 10)));
            }
    EXPECT_EQ(seen, (std::set<int>{2000, 2025, 2050, 2075, 2100, 2125, 2150, 2200, 2250, 2300}));
}

TEST(StartUp, StartSoundAndGreetingGetTheirCommandsInOrderAndOnTime) {
    HeadlessProgram p("startup-sounds");
    p.startAndGreet();
    EXPECT_EQ(eventsOf(p.hp.sound, "mmcAllarme"),
              (std::vector<SoundEvent>{{"mmcAllarme", -1, "Open", 0},
                                       {"mmcAllarme", -1, "Prev", 0},
                                       {"mmcAllarme", -1, "Play", 0},
                                       {"mmcAllarme", -1, "Close", 2500}}));
    EXPECT_EQ(eventsOf(p.hp.sound, "mmcKelo"), (std::vector<SoundEvent>{{"mmcKelo", 1, "Prev", 2500},
                                                                       {"mmcKelo", 1, "Open", 2500},
                                                                       {"mmcKelo", 1, "Play", 2500}}));
    EXPECT_EQ(p.hp.sound.events.size(), 7u);  // nothing else sounds on the way
    EXPECT_EQ(p.hp.sound.opened.back(), std::string("Kelo 2020\\Kelo\\") + kPersonaLines[0]);
}

TEST(StartUp, TheRoadHandsOverAndUnlocksTheWindowAtTheGreeting) {
    HeadlessProgram p("startup-road");
    p.hp.random.push({0.0f});
    p.program.start();
    EXPECT_EQ(p.hp.display.shown, (std::vector<Form*>{&p.program.splash}));
    EXPECT_EQ(p.program.splash.ImgScreen.Picture, "Kelo 2020\\Grafica\\Splash Kelo.jpg");

    p.hp.advance(2000);
    EXPECT_EQ(p.hp.display.shown.back(), &p.f);
    EXPECT_TRUE(p.f.TmrScaricaSplash.Enabled());
    EXPECT_FALSE(p.f.cmdIncisi.Enabled);
    for (Timer* t : p.f.timers()) EXPECT_EQ(t->Enabled(), t == &p.f.TmrScaricaSplash) << t->Name;

    p.hp.advance(500);
    EXPECT_EQ(p.f.TxtTitolo.Text, "Buongiorno...");
    EXPECT_EQ(p.hp.display.unloaded, (std::vector<Form*>{&p.program.splash}));
    EXPECT_TRUE(p.f.TmrSignori.Enabled());
    EXPECT_FALSE(p.f.lblAvvertimento.Visible);

    p.hp.advance(2499);
    EXPECT_FALSE(p.f.cmdIncisi.Enabled);
    p.hp.advance(1);
    EXPECT_EQ(p.f.TxtTitolo.Text, "Buongiorno, signori!");
    EXPECT_TRUE(p.f.lblAvvertimento.Visible);
    for (int i = 1; i <= 4; ++i) EXPECT_TRUE(p.f.lblPuls[i].Enabled) << i;
    EXPECT_TRUE(p.f.cmdIncisi.Enabled);
    EXPECT_EQ(p.f.ActiveControl, &p.f.cmdIncisi);
    for (Timer* t : p.f.timers()) EXPECT_FALSE(t->Enabled()) << t->Name;
}

TEST(StartUp, TheMainWindowLoadsSettingsPicturesAndSoundsAndShowsLinkCaseTwo) {
    HeadlessProgram p("startup-load");
    p.startAndGreet();
    frmKeloTrundo15& f = p.f;
    EXPECT_EQ(f.lblDir.Caption, "");
    EXPECT_EQ(f.lblRip.Caption, "10");  // factory record, not the design "12"
    EXPECT_EQ(f.lblFreqInc[1].Caption, "8");
    EXPECT_EQ(f.lblCercaNota[5].Caption, "160");
    int xCells = 0;
    for (int i = 1; i <= 80; ++i) {
        EXPECT_EQ(f.lblCollegamento[i].Caption, f.lblCollegamento[160 + i].Caption) << i;
        EXPECT_EQ(f.lblCollegamento[i].Enabled, f.lblCollegamento[i].Caption != "X") << i;
        xCells += f.lblCollegamento[i].Caption == "X";
    }
    EXPECT_GT(xCells, 0);  // the factory bank forbids some figures of case 2
    EXPECT_EQ(f.FraESci.Left, 3000);
    EXPECT_EQ(f.FraESci.Top, 120);
    EXPECT_EQ(f.ImgLogo.Picture, "Kelo 2020\\Grafica\\Kelo-trundo 2020.jpg");
    EXPECT_EQ(f.cmdIncisi.Picture, "Kelo 2020\\Grafica\\Kelo.jpg");
    EXPECT_EQ(f.ImgNota[34].Picture, "Kelo 2020\\Grafica\\chiave.jpg");
    EXPECT_EQ(f.ImgNota[35].Picture, "Kelo 2020\\Grafica\\tempo.jpg");
    for (int k = 1; k <= 32; ++k) EXPECT_EQ(f.ImgNota[k].Picture, "Kelo 2020\\Grafica\\vuoto.jpg") << k;
    EXPECT_EQ(f.mmcPiano[1].FileName, "Kelo 2020\\Suoni\\01 si.wav");
    EXPECT_EQ(f.mmcPiano[9].FileName, "Kelo 2020\\Suoni\\09 do'.wav");
    EXPECT_EQ(f.mmcAccordi[13].FileName, "Kelo 2020\\Suoni\\Do-F1.wav");
    EXPECT_EQ(f.mmcAccordi[18].FileName, "Kelo 2020\\Suoni\\FA-1R.wav");
    EXPECT_EQ(f.mmcKelo[13].FileName, std::string("Kelo 2020\\Kelo\\") + kPersonaLines[12]);
    EXPECT_EQ(f.mmcPiano[0].FileName, "");
    EXPECT_EQ(f.mmcAccordi[0].FileName, "");
    EXPECT_EQ(f.mmcKelo[0].FileName, "");
    EXPECT_GE(p.hp.random.seeds, 2);  // each window seeds the generator
}

TEST(StartUp, TheLastInstallRootWithTheMarkerWinsForBothWindows) {
    HeadlessProgram p("startup-root");
    namespace fs = std::filesystem;
    fs::path drive = p.dir / "drive";
    p.hp.files.setDriveRoot(drive);
    kelo::testing::makeDataTree(drive / "C" / "Programmi");
    fs::create_directories(drive / "C" / "Program Files" / "Kelo 2020" / "Dati");
    std::ofstream(drive / "C" / "Program Files" / "Kelo 2020" / "Dati" / kMarkerFile) << "x";
    p.startAndGreet();
    EXPECT_EQ(p.program.splash.lblDir.Caption, "C:\\Programmi\\");
    EXPECT_EQ(p.f.lblDir.Caption, "C:\\Programmi\\");
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

TEST(StartUp, ABadSettingsFileIsSetAsideAndTheWindowStartsFromFactoryValues) {
    HeadlessProgram p("startup-bad-settings");
    std::ofstream(p.dir / "Kelo 2020" / "Dati" / "User.txt", std::ios::binary) << "\"Kelo\"\r\n\"13\"\r\n";
    p.startAndGreet();
    ASSERT_EQ(p.hp.display.messages.size(), 1u);
    EXPECT_NE(p.hp.display.messages[0].find("User.txt"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(p.dir / "Kelo 2020" / "Dati" / "User.txt.bad"));
    EXPECT_EQ(p.f.lblScritteVarie[75].Caption, "Kelo (trundo) 2020");
    EXPECT_EQ(p.f.lblCadenza[6].BackColor, ColoreAcceso);
    EXPECT_EQ(p.f.lblFreCad[6].Caption, "16");
    EXPECT_TRUE(p.f.cmdIncisi.Enabled);  // the road goes on
}

TEST(StartUp, BothWindowsFitA800x600ScreenAndTheExitPanelScalesWithIt) {
    HeadlessProgram p("startup-fit");
    p.hp.display.screenSize = {12000, 9000};
    p.startAndGreet();
    EXPECT_FLOAT_EQ(p.program.splash.Width, 12000);
    EXPECT_FLOAT_EQ(p.f.Width, 12000);
    EXPECT_FLOAT_EQ(p.f.Height, 9000);
    EXPECT_FLOAT_EQ(p.f.FraESci.Left, static_cast<float>(3000 * (12000.0 / 15360)));
    EXPECT_FLOAT_EQ(p.f.FraESci.Top, static_cast<float>(120 * (9000.0 / 11520)));
}

TEST(StartUp, EscBeforeTheGreetingOpensTheQuestionWhileTheRoadGoesOn) {
    HeadlessProgram p("startup-early-esc");
    p.hp.random.push({0.0f});
    p.program.start();
    p.hp.advance(2600);
    ASSERT_TRUE(deliverClick(p.f.lblPuls[0]));
    EXPECT_TRUE(p.f.FraESci.Visible);
    p.hp.advance(2500);
    EXPECT_EQ(p.f.TxtTitolo.Text, "Buongiorno, signori!");
    EXPECT_TRUE(p.f.cmdIncisi.Enabled);
    EXPECT_TRUE(p.f.FraESci.Visible);
}

TEST(StartUp, EnterAfterTheGreetingComposes) {
    HeadlessProgram p("startup-enter");
    p.startAndGreet();
    ASSERT_TRUE(deliverEnter(p.f));
    EXPECT_FALSE(p.f.cmdIncisi.Enabled);
    EXPECT_TRUE(p.f.TmrMostraMelodia.Enabled());
    EXPECT_TRUE(p.f.FraStoComponendo.Visible);
    EXPECT_FALSE(p.f.lblAvvertimento.Visible);
    EXPECT_EQ(p.f.lblInciso[23].Caption.size(), 4u);
    for (int j = 1; j <= 16; ++j) EXPECT_FALSE(p.f.lblDueQuarti[j].Caption.empty()) << j;
    EXPECT_EQ(p.f.lblCercaNota[0].Caption, "2");  // the page the user was viewing
}
