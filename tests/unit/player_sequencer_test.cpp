// Playback: the 64 steps, the repeat modes and the option label-buttons.
#include "player_test_support.h"

using namespace kelo;
using namespace kelo::playertest;

namespace {

constexpr int T = 75;  // the fastest tempo
constexpr int kPiece = 68 * T;

struct Playback : Player {
    void SetUp() override {
        Player::SetUp();
        f.TmrAudio.SetInterval(T);
        // Every rhythm, a whole note on the last half-bar, and codes of a record that name no chord at 9 and 11.
        melody("1 1|RP|4|0|P 1|1 P|2|2|2|2|2|2|2|2|2|4",
               "DO|MI|SOL|LA|do'|||||RE|FA||SI||SI||SI||SI||SI||SI||SI||SI||SI||SI|", "1||5||8||||20||x||12|||");
    }
    void press(Label& label) { ASSERT_TRUE(deliverClick(label)); }
    std::vector<int> lit() {
        std::vector<int> on;
        for (int k = 1; k <= 33; ++k)
            if (f.ShpIndicatore[k].BackColor == ColoreAcceso) on.push_back(k);
        return on;
    }
};

}  // namespace

TEST_F(Playback, APieceIsSixtyEightTicksChordBeforeNoteWithOneLightPerNoteSlot) {
    f.lblPulsante[0].Caption = "Singolo";
    const size_t from = p.hp.sound.events.size();
    const int64_t t0 = p.hp.now();
    press(f.lblPulsante[3]);
    EXPECT_EQ(joined(f.lblStep, 1, 24), "DO|-|MI|-|SOL|-|-|LA|do'|-|-|-|-|-|-|-|||RE|-|FA|-||");
    EXPECT_EQ(joined(f.lblStep, 57, 64), "SI|-|-|-|SI|-|-|-");  // nothing past the last step

    std::vector<SoundEvent> e;
    auto close = [&](const char* array, int n, int tick) { e.push_back({array, n, "Close", t0 + tick * T}); };
    auto sound = [&](const char* array, int last, int n, int tick) {
        close(array, last, tick);
        for (const char* c : {"Prev", "Open", "Play"}) e.push_back({array, n, c, t0 + tick * T});
    };
    sound("mmcAccordi", 0, 1, 1), sound("mmcPiano", 10, 2, 1), sound("mmcPiano", 2, 4, 3);
    sound("mmcPiano", 4, 6, 5), sound("mmcPiano", 6, 7, 8), sound("mmcAccordi", 1, 5, 9), sound("mmcPiano", 7, 9, 9);
    sound("mmcAccordi", 5, 8, 17), close("mmcPiano", 9, 17), close("mmcPiano", 9, 18), sound("mmcPiano", 9, 3, 19);
    sound("mmcPiano", 3, 5, 21), close("mmcPiano", 5, 23), close("mmcPiano", 5, 24);
    for (int j = 7; j <= 16; ++j) {
        if (j == 13) sound("mmcAccordi", 8, 12, 49);
        sound("mmcPiano", j == 7 ? 5 : 8, 8, 4 * j - 3);
    }
    close("mmcAccordi", 12, 68), close("mmcPiano", 8, 68);  // the last chord, whichever it was

    for (int tick = 1; tick <= 68; ++tick) {
        EXPECT_TRUE(f.TmrAudio.Enabled()) << tick;
        p.hp.advance(T);
        EXPECT_EQ(lit(), tick <= 64 ? std::vector<int>{(tick + 1) / 2} : std::vector<int>{}) << tick;
    }
    EXPECT_EQ(soundsSince(from), e);
    EXPECT_FALSE(f.TmrAudio.Enabled() || f.TmrReplay.Enabled());
    EXPECT_TRUE(f.lblPuls[1].Enabled && f.lblPulsante[1].Enabled);
    EXPECT_EQ(f.lblPulsante[3].Caption + f.lblStepAudio.Caption + f.lblCoeff.Caption + f.lblCommandPrec.Caption,
              ">000");
}

TEST_F(Playback, EachRepeatModeReplaysAfterASecondStopsOrComposesTheNextMelody) {
    const std::pair<const char*, const char*> modes[] = {{"Singolo", "stop"},
                                                         {"Bis", "replay stop"},
                                                         {"Ripeti", "replay replay replay"},
                                                         {"Singolo e >", "compose"},
                                                         {"Bis e >", "replay compose"}};
    for (const auto& [mode, ends] : modes) {
        f.lblPulsante[0].Caption = mode;
        melody("1 1|2|2|2|2|2|2|2|2|2|2|2|2|2|2|2", "re'|DO|DO");
        press(f.lblPulsante[3]);
        std::string seen;
        for (int pass = 1; pass <= 3 && !seen.ends_with("stop") && !seen.ends_with("compose"); ++pass) {
            p.hp.advance(kPiece);
            std::string end = f.TmrReplay.Enabled() ? "replay" : f.TmrMostraMelodia.Enabled() ? "compose" : "stop";
            seen += (pass > 1 ? " " : "") + end;
            EXPECT_EQ(f.lblPuls[1].Enabled, end == "stop") << mode;
            p.hp.advance(999);
            EXPECT_FALSE(f.TmrAudio.Enabled()) << mode;
            p.hp.advance(1);
        }
        EXPECT_EQ(seen, ends) << mode;
        p.hp.advance(16 * 105);                             // a new melody's reveal
        if (f.TmrAudio.Enabled()) press(f.lblPulsante[3]);  // and its playback, stopped
    }
}

TEST_F(Playback, PlayAndStopCancelAPendingReplayAndEveryFreshPieceReplaysOnceInBis) {
    press(f.lblPulsante[3]);
    p.hp.advance(kPiece + 1000 + 5 * T);
    press(f.lblPulsante[3]);  // stopped in the second pass
    press(f.lblPulsante[3]);  // the same melody again
    p.hp.advance(kPiece);
    EXPECT_TRUE(f.TmrReplay.Enabled()) << "Bis replays once more";
    press(f.lblPulsante[3]);  // play in the pause, and stop at once
    press(f.lblPulsante[3]);
    const size_t from = p.hp.sound.events.size();
    p.hp.advance(3000);
    EXPECT_TRUE(soundsSince(from).empty() && !f.TmrAudio.Enabled());
}

TEST_F(Playback, LightsKeepToTheNoteSlotsWhenIndicatoriChangesDuringAnAudioRun) {
    press(f.lblPulsante[3]);
    press(f.lblPulsante[3]);  // played and stopped: the steps are written, "Indicatori" enabled
    press(f.lblPulsante[1]);
    raiseClick(f.cmdAudio);
    p.hp.advance(62 * T);
    press(f.lblPulsante[1]);  // on again at step 63
    p.hp.advance(T);
    EXPECT_EQ(lit(), std::vector<int>{32});
    EXPECT_EQ(f.lblCoeff.Caption, "1");
}

TEST_F(Playback, TheOptionLabelButtonsSwitchAtRest) {
    std::string cycle;
    for (int i = 0; i < 5; ++i) {
        press(f.lblPulsante[0]);
        cycle += f.lblPulsante[0].Caption + (f.lblPulsante[0].BackColor == ColoreAcceso ? "+ " : "- ");
    }
    EXPECT_EQ(cycle, "Ripeti+ Singolo e >+ Bis e >+ Singolo- Bis+ ");
    support::setSwitches(f.ShpIndicatore, 1, 32, true);
    press(f.lblPulsante[1]);  // "Indicatori" off darkens every light
    EXPECT_EQ(lit(), std::vector<int>{});
    const size_t from = p.hp.sound.events.size();
    press(f.lblPulsante[4]);  // "Accordi" off closes every chord player
    ASSERT_EQ(soundsSince(from).size(), 19u);
    EXPECT_EQ(soundsSince(from).back(), (SoundEvent{"mmcAccordi", 19, "Close", p.hp.now()}));
    for (int i = 1; i <= 4; ++i) {
        press(f.lblPuls[i]);
        EXPECT_EQ(f.lblPuls[i].BackColor, ColoreSpento) << i;
    }
    // "Random" going off gives back the user's tempo, when it is one.
    const std::tuple<const char*, const char*, int> tempos[] = {
        {"114", "13", 114}, {"100", "7", 100}, {"0", "7", 261}, {"-5", "7", 261}, {"abc", "7", 261}};
    for (const auto& [user, level, interval] : tempos) {
        f.lblVeloc[0].Caption = "7";
        f.TmrAudio.SetInterval(261);
        f.lblVeloc[4].Caption = user;
        press(f.lblPulsante[5]);
        press(f.lblPulsante[5]);
        EXPECT_EQ(f.lblVeloc[0].Caption + " " + std::to_string(f.TmrAudio.Interval()),
                  level + (" " + std::to_string(interval)));
    }
    f.lblInciso[27].Caption.clear();  // no melody yet: play does nothing
    press(f.lblPulsante[3]);
    EXPECT_TRUE(f.lblPulsante[3].Caption == ">" && f.lblPulsante[3].BackColor == ColoreSpento && !f.TmrAudio.Enabled());
}

// Each option label-button pressed at step 10 and again at step 30 of a piece with
// a chord on every half-bar: whether each press reaches it, the chords sounded
// after each press, the lights lit then, and how the piece ends ("Bis").
TEST(Options, EveryLabelButtonPressedTwiceDuringAPiece) {
    const char* expected[8] = {
        "yes yes, chords 5 8, lights 1 0, compose",   // mode: "Ripeti", then "Singolo e >"
        "no no, chords 5 8, lights 1 0, replay",      // "Indicatori": locked while a piece plays
        "no no, chords 5 8, lights 1 0, replay",      // "Subito": hidden
        "yes yes, chords 0 10, lights 0 1, playing",  // stop, then play again from step 1
        "yes yes, chords 0 8, lights 1 0, replay",    // "Accordi" off (every chord player closed), then on
        "yes yes, chords 5 6, lights 1 1, playing",   // "Random" on, then off: the user's 114 ms
        "no no, chords 5 8, lights 1 0, replay",      // "Minore": hidden
        "yes yes, chords 5 8, lights 1 0, replay",    // "Commenti"
    };
    for (int item = 0; item <= 7; ++item) {
        support::HeadlessProgram p("options");
        p.startAndGreet();
        frmKeloTrundo15& f = p.f;
        f.TmrAudio.SetInterval(T);
        setColumn(f.lblDueQuarti, "2|2|2|2|2|2|2|2|2|2|2|2|2|2|2|2");
        setColumn(f.lblMelos, "DO||RE||MI||FA||DO||RE||MI||FA||DO||RE||MI||FA||DO||RE||MI||FA|");
        setColumn(f.lblAccomp, "1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16");
        f.lblInciso[27].Caption = "A";
        size_t seen = 0;
        auto chords = [&] {
            int n = 0;
            for (; seen < p.hp.sound.events.size(); ++seen)
                n += p.hp.sound.events[seen].player == "mmcAccordi" && p.hp.sound.events[seen].command == "Play";
            return std::to_string(n);
        };
        auto lights = [&] {
            int n = 0;
            for (int k = 1; k <= 32; ++k) n += f.ShpIndicatore[k].BackColor == ColoreAcceso;
            return std::to_string(n);
        };
        ASSERT_TRUE(deliverClick(f.lblPulsante[3]));
        p.hp.advance(10 * T);
        chords();
        const bool first = deliverClick(f.lblPulsante[item]);
        p.hp.advance(20 * T);
        const std::string between = chords(), lit = lights();
        const bool second = deliverClick(f.lblPulsante[item]);
        p.hp.advance(38 * T);
        const std::string end = f.TmrReplay.Enabled()          ? "replay"
                                : f.TmrMostraMelodia.Enabled() ? "compose"
                                : f.TmrAudio.Enabled()         ? "playing"
                                                               : "stop";
        EXPECT_EQ(std::string(first ? "yes " : "no ") + (second ? "yes" : "no") + ", chords " + between + " " +
                      chords() + ", lights " + lit + " " + lights() + ", " + end,
                  expected[item])
            << "lblPulsante(" << item << ")";
    }
}
