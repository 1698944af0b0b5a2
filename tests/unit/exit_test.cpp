#include "app/exit.h"

#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <optional>

#include "model/colours.h"
#include "player_test_support.h"
#include "settings/settings_record.h"
#include "settings/user_settings.h"
#include "support/record_lines.h"

using namespace kelo;

namespace {
struct Exit : playertest::Player {
    void openQuestion() { ASSERT_TRUE(deliverClick(f.lblPuls[0])); }
};

// While it lives, no file of this process grows past `bytes`: a write beyond fails
// as on a full disk, whoever runs the test, root too.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : handler_(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*handler_)(int);
};
}  // namespace

TEST_F(Exit, EscOpensTheQuestionAndNoClosesItLeavingEverythingAsItWas) {
    f.TxtTitolo.Text = "Sonata";
    openQuestion();
    EXPECT_TRUE(f.FraESci.Visible && f.lblPuls[0].BackColor == ColoreAcceso && !f.lblPuls[0].Enabled);
    EXPECT_EQ(f.ActiveControl, &f.cmdEsci[1]);
    EXPECT_FALSE(deliverClick(f.lblPuls[0]));  // disabled while the question is shown

    const size_t before = p.hp.sound.events.size();
    ASSERT_TRUE(deliverEnter(f));  // Enter answers the focused "NO"
    EXPECT_TRUE(!f.FraESci.Visible && f.lblPuls[0].Enabled && f.lblPuls[0].BackColor == ColoreSpento);
    EXPECT_EQ(f.TxtTitolo.Text, "Sonata");
    EXPECT_EQ(p.hp.sound.events.size(), before);
    p.hp.advance(5000);
    EXPECT_TRUE(f.Loaded);
}

// "SI" saves the settings as they stand, this run's edits included, stops everything
// pending, closes the persona, chord and note players in this order, speaks the
// farewell and unloads 1500 ms later.
TEST_F(Exit, YesSavesStopsEverythingPendingClosesEveryPlayerSpeaksAndUnloadsAfter1500ms) {
    f.lblModulo[7].BackColor = ColoreSpento;
    f.lblFreqInc[25].Caption = "12";
    const std::string record = formatRecord(collectSettingsRecord(f));
    ASSERT_NE(record, p.readFile("Kelo 2020/Dati/User.txt"));
    for (Timer* t : {&f.TmrReplay, &f.TmrMostraMelodia, &f.TmrMostraMelodiaDaFile, &f.TmrAudio, &f.TmrNota})
        t->SetEnabled(true);
    f.FraStoComponendo.Visible = true;
    openQuestion();
    const size_t before = p.hp.sound.events.size();
    const int64_t t = p.hp.now();
    ASSERT_TRUE(deliverClick(f.cmdEsci[0]));
    EXPECT_EQ(p.readFile("Kelo 2020/Dati/User.txt"), record);

    std::vector<SoundEvent> expected;
    for (auto [player, last] : {std::pair{"mmcKelo", 12}, {"mmcAccordi", 19}, {"mmcPiano", 10}})
        for (int i = 1; i <= last; ++i) expected.push_back({player, i, "Close", t});
    for (const char* c : {"Prev", "Open", "Play"}) expected.push_back({"mmcKelo", 13, c, t});
    EXPECT_EQ(std::vector<SoundEvent>(p.hp.sound.events.begin() + static_cast<std::ptrdiff_t>(before),
                                      p.hp.sound.events.end()),
              expected);
    EXPECT_FALSE(f.FraESci.Visible || f.FraStoComponendo.Visible || f.lblPuls[0].Enabled || f.lblPulsante[3].Enabled);
    EXPECT_EQ(f.TxtTitolo.Text, "Addio!");
    EXPECT_EQ(f.TxtTitolo.ForeColor, ColoreRossoScuro);
    for (int i = 1; i <= 33; ++i) EXPECT_FALSE(f.ShpIndicatore[i].Visible) << i;
    for (Timer* timer : f.timers()) EXPECT_EQ(timer->Enabled(), timer == &f.TmrESci) << timer->Name;

    p.hp.advance(1499);
    EXPECT_TRUE(f.Loaded);
    p.hp.advance(1);
    EXPECT_FALSE(f.Loaded);
    EXPECT_EQ(p.hp.display.unloaded.back(), &f);
    for (Timer* timer : f.timers()) EXPECT_FALSE(timer->Enabled()) << timer->Name;
}

// The desktop's request to close asks the question too, rather than lose the
// settings; during the farewell there is nothing more to ask.
TEST_F(Exit, AFailedSaveKeepsTheOldFileSaysSoAndStillSaysGoodbye) {
    const std::string old = p.readFile("Kelo 2020/Dati/User.txt");
    f.lblFreqInc[3].Caption = "5";
    f.CloseRequested();
    {
        const FileSizeLimit fullDisk(100);
        ASSERT_TRUE(deliverClick(f.cmdEsci[0]));
    }
    f.CloseRequested();
    EXPECT_FALSE(f.FraESci.Visible);
    EXPECT_EQ(p.readFile("Kelo 2020/Dati/User.txt"), old);
    ASSERT_EQ(p.hp.display.messages.size(), 1u);
    EXPECT_NE(p.hp.display.messages[0].find(p.hp.files.nativePath(userSettingsPath(f))), std::string::npos);
    EXPECT_EQ(f.TxtTitolo.Text, "Addio!");
    p.hp.advance(1500);
    EXPECT_FALSE(f.Loaded);
}

// A file in the settings file's place that is no usable record is the user's (the
// start could not move it aside, or it was spoiled since): "SI" keeps it and says
// so. A missing one is written.
TEST(ExitSave, KeepsAFileThatIsNoSettingsRecordAndWritesAMissingOne) {
    const std::string good = support::factoryRecordWith();
    const std::pair<std::optional<std::string>, std::string> cases[] = {
        {good + "hello\r\n", "\" non è valido alla riga 1301"},
        {good + std::string(kRecordFileLimit, ' '), "\" è troppo grande"},
        {std::nullopt, "missing, so written"},
    };
    for (const auto& [content, says] : cases) {
        support::HeadlessProgram p("exit-save");
        p.startAndGreet();
        const std::filesystem::path user = p.dir / "Kelo 2020" / "Dati" / "User.txt";
        if (content)
            std::ofstream(user, std::ios::binary) << *content;
        else
            std::filesystem::remove(user);
        ASSERT_TRUE(deliverClick(p.f.lblPuls[0]) && deliverClick(p.f.cmdEsci[0]));
        EXPECT_EQ(support::readFile(user), content.value_or(good)) << says;
        const std::string said = p.hp.display.messages.empty() ? "" : p.hp.display.messages.back();
        EXPECT_EQ(said.find(user.string() + says) != std::string::npos, content.has_value()) << said;
    }
}

// The logo shows the engine panel at its place, unscaled; the panel's own toggle a little higher.
TEST_F(Exit, TheLogoTogglesTheEnginePanelAndAnyFixedTextHidesFrameFive) {
    ASSERT_TRUE(deliverClick(f.ImgLogo));
    EXPECT_TRUE(f.Frame3.Visible && f.Frame3.Left == 0 && f.Frame3.Top == 6240);
    ASSERT_TRUE(deliverClick(f.ImgLogo));
    EXPECT_FALSE(f.Frame3.Visible);
    AlternaPannelloInterno(f);
    EXPECT_TRUE(f.Frame3.Visible && f.Frame3.Top == 5880);

    f.FraESci.Visible = true;
    for (int text : {75, 87}) {  // 87: the exit question's text too
        f.Frame5.Visible = true;
        ASSERT_TRUE(deliverClick(f.lblScritteVarie[text]));
        EXPECT_FALSE(f.Frame5.Visible) << text;
    }
}
