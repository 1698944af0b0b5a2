// The developer runs of the hidden panels: the statistics of the module pools, the
// batch self-test, and the buttons that run one stage alone.
#include "player_test_support.h"
#include "support/raises.h"

using namespace kelo;
using namespace kelo::playertest;
using Runs = Player;

TEST_F(Runs, StatisticsCountThePoolsPastSixteenBitsAndLeaveTheMelodyAlone) {
    auto melody = [&] {
        return joined(f.lblMod, 1, 8) + joined(f.lblDueQuarti, 1, 16) + joined(f.lblPerno, 1, 16) +
               joined(f.lblMelos, 1, 32) + joined(f.lblStep, 1, 64) + joined(f.lblAccomp, 1, 16);
    };
    auto positions = [](ControlArray<Label>& counts) {
        int s = 0;
        for (int i = 1; i <= 13; ++i) s += std::stoi(counts[i].Caption);
        return s;
    };
    for (bool composed : {false, true}) {  // right after start, and after a composition
        if (composed) raiseClick(f.cmdIncisi), p.hp.advance(16 * 105);
        const std::string before = melody();
        raiseClick(f.cmdExp), raiseClick(f.cmdExp2);
        f.lblExp[0].Caption = f.lblExp2[0].Caption = "32767";
        p.hp.advance(20 * 50);
        raiseClick(f.cmdExp), raiseClick(f.cmdExp2);
        EXPECT_EQ(melody(), before) << composed;
        EXPECT_EQ(f.lblExp[0].Caption + "|" + f.lblExp2[0].Caption, "32787|32787");
        // Every tick fills the pool of each list.
        EXPECT_EQ(positions(f.lblExp), 20 * std::stoi(f.lblFreqInc[26].Caption));
        EXPECT_EQ(positions(f.lblExp2), 20 * std::stoi(f.lblFreIncB[26].Caption));
    }
}

TEST_F(Runs, TheSelfTestCountsEveryCompositionThatRestarted) {
    // Four modules in each pool: two equal pairs in about one composition of four.
    support::onlyModules(f.lblModulo, f.lblFreqInc, {1, 2, 3, 4}, 4);
    support::onlyModules(f.lblModuloB, f.lblFreIncB, {1, 2, 3, 4}, 4);
    int restarts = 0, restarted = 0;
    auto compose = f.on(f.cmdIncisi).Click;
    f.on(f.cmdIncisi).Click = [&](int i) { ++restarts, compose(i); };  // only a restart raises the click
    raiseClick(f.Command2);
    f.lblPassaggi.Caption = "32767";
    for (int tick = 0; tick < 40; ++tick) {
        const int before = restarts;
        p.hp.advance(50);
        restarted += restarts > before;
    }
    raiseClick(f.Command2);
    EXPECT_EQ(f.lblPassaggi.Caption, "32807");
    EXPECT_GT(restarted, 0);
    EXPECT_EQ(f.lblUguali.Caption, std::to_string(restarted));
}

TEST_F(Runs, AWeightTotalOfZeroEndsEveryRunWithTheClearError) {
    // Song forms first: the self-test stops at them, before it reaches the module lists.
    const std::tuple<ControlArray<Label>&, int, Control&> cases[] = {
        {f.lblFreqIncisi, 15, f.Command2}, {f.lblFreIncB, 13, f.cmdExp2}, {f.lblFreqInc, 13, f.cmdExp}};
    for (const auto& [weights, count, start] : cases) {
        for (int i = 1; i <= count; ++i) weights[i].Caption = "0";
        raiseClick(start);
        EXPECT_TRUE(support::raises(
            ErrorCode::InvalidCall, [&] { p.hp.advance(50); }, "nothing can be drawn"));
        raiseClick(start);
    }
}

TEST_F(Runs, EveryStageButtonRunsAloneBeforeAnyMelodyWithoutEndingTheProgram) {
    Control* buttons[] = {&f.cmdScegliInciso,
                          &f.cmdScegliInciso2,
                          &f.Command1,
                          &f.Command4,
                          &f.cmdScegliPrimiModuli2,
                          &f.cmdTuttieQuattro,
                          &f.cmdAssegnaModuli,
                          &f.cmdScegliArmonie,
                          &f.cmdScegliCadenza,
                          &f.cmdRicercaNotePerno,
                          &f.cmdTrovaNotePerno,
                          &f.cmdScegliCollegamento,
                          &f.cmdScegliCollegamento2,
                          &f.cmdSelezionaModuli,
                          &f.cmdScegliPrimiModuli,
                          &f.cmdScegliPrimiModuli2,
                          &f.cmdAssegnaModuli,
                          &f.cmdTuttieQuattro};
    for (Control* b : buttons) EXPECT_NO_THROW(raiseClick(*b)) << b->Name;
}
