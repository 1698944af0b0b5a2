// The developer runs of the hidden panels: the statistics of the module pools, the
// batch self-test, and the buttons that run one stage alone.
#include "platform/dispatch.h"
#include "platform/runtime_error.h"
#include "player_test_support.h"

using namespace kelo;
using namespace kelo::playertest;

namespace {

struct Runs : Player {
    std::string melodyCells() {
        return joined(f.lblInciso, 23, 27) + joined(f.lblMod, 1, 8) + joined(f.lblDueQuarti, 1, 16) +
               joined(f.lblArmonie, 1, 16) + joined(f.lblPerno, 1, 16) + joined(f.lblAccomp, 1, 16) +
               joined(f.lblMelos, 1, 32) + joined(f.lblStep, 1, 64) + f.lblCadenza[14].Caption;
    }
    static int sum(ControlArray<Label>& counts) {
        int s = 0;
        for (int i = 1; i <= 13; ++i) s += std::stoi(counts[i].Caption);
        return s;
    }
};

TEST_F(Runs, StatisticsCountThePoolsAndLeaveTheMelodyAloneBeforeAndAfterAComposition) {
    for (bool composed : {false, true}) {
        if (composed) {
            ASSERT_TRUE(deliverClick(f.cmdIncisi));
            p.hp.advance(16 * 105);
        }
        const std::string melody = melodyCells();
        raiseClick(f.cmdExp);
        raiseClick(f.cmdExp2);
        p.hp.advance(20 * 50);
        raiseClick(f.cmdExp);
        raiseClick(f.cmdExp2);
        EXPECT_FALSE(f.TmrExp.Enabled() || f.TmrExp2.Enabled());
        EXPECT_EQ(melodyCells(), melody) << composed;
        // Every tick fills the pool of each list.
        EXPECT_EQ(f.lblExp[0].Caption + "|" + f.lblExp2[0].Caption, "20|20");
        EXPECT_EQ(sum(f.lblExp), 20 * std::stoi(f.lblFreqInc[26].Caption));
        EXPECT_EQ(sum(f.lblExp2), 20 * std::stoi(f.lblFreIncB[26].Caption));
    }
}

TEST_F(Runs, CountersMoveOnPastSixteenBits) {
    const std::pair<Label*, Control*> counters[] = {
        {&f.lblExp[0], &f.cmdExp}, {&f.lblExp2[0], &f.cmdExp2}, {&f.lblPassaggi, &f.Command2}};
    for (auto [counter, start] : counters) {
        raiseClick(*start);
        counter->Caption = "32767";
        p.hp.advance(50);
        raiseClick(*start);
        EXPECT_EQ(counter->Caption, "32768") << counter->Name;
    }
}

TEST_F(Runs, TheSelfTestCountsEveryCompositionThatRestarted) {
    // Four modules in each pool: two equal pairs in about one composition of four.
    enginetest::onlyModules(f.lblModulo, f.lblFreqInc, {1, 2, 3, 4}, 4);
    enginetest::onlyModules(f.lblModuloB, f.lblFreIncB, {1, 2, 3, 4}, 4);
    int restarts = 0, restarted = 0;
    auto compose = f.on(f.cmdIncisi).Click;
    f.on(f.cmdIncisi).Click = [&](int i) { ++restarts, compose(i); };  // only a restart raises the click
    raiseClick(f.Command2);
    for (int tick = 0; tick < 40; ++tick) {
        const int before = restarts;
        p.hp.advance(50);
        restarted += restarts > before;
    }
    raiseClick(f.Command2);
    EXPECT_EQ(f.lblPassaggi.Caption, "40");
    EXPECT_GT(restarted, 0);
    EXPECT_EQ(f.lblUguali.Caption, std::to_string(restarted));
}

TEST_F(Runs, AWeightTotalOfZeroEndsEveryRunWithTheClearError) {
    struct Case {
        ControlArray<Label>& weights;
        int count;
        Control& start;
    };
    const Case cases[] = {{f.lblFreqInc, 13, f.cmdExp}, {f.lblFreIncB, 13, f.cmdExp2}, {f.lblFreqIncisi, 15, f.Command2}};
    for (const auto& [weights, count, start] : cases) {
        for (int i = 1; i <= count; ++i) weights[i].Caption = "0";
        raiseClick(start);
        try {
            p.hp.advance(50);
            ADD_FAILURE() << start.Name;
        } catch (const RuntimeError& e) {
            EXPECT_NE(std::string(e.what()).find("nothing can be drawn"), std::string::npos) << e.what();
        }
        raiseClick(start);
        for (int i = 1; i <= count; ++i) weights[i].Caption = "16";
    }
}

TEST_F(Runs, EveryStageButtonRunsAloneBeforeAnyMelodyWithoutEndingTheProgram) {
    Control* buttons[] = {&f.cmdScegliInciso,    &f.cmdScegliInciso2,     &f.Command1,
                          &f.Command4,           &f.cmdScegliPrimiModuli2, &f.cmdTuttieQuattro,
                          &f.cmdAssegnaModuli,   &f.cmdScegliArmonie,     &f.cmdScegliCadenza,
                          &f.cmdRicercaNotePerno, &f.cmdTrovaNotePerno,   &f.cmdScegliCollegamento,
                          &f.cmdScegliCollegamento2, &f.cmdSelezionaModuli, &f.cmdScegliPrimiModuli,
                          &f.cmdScegliPrimiModuli2, &f.cmdAssegnaModuli,  &f.cmdTuttieQuattro};
    for (Control* b : buttons) EXPECT_NO_THROW(raiseClick(*b)) << b->Name;

    // The search's test inputs step round their chords and pitches.
    f.lblAccordoEsaminato.Caption = "FA+";
    f.lblNotaEsaminata.Caption = "si";
    std::string chords, pitches;
    for (int i = 0; i < 3; ++i) raiseClick(f.lblAccordoEsaminato), chords += f.lblAccordoEsaminato.Caption + " ";
    for (int i = 0; i < 10; ++i) raiseClick(f.lblNotaEsaminata), pitches += f.lblNotaEsaminata.Caption + " ";
    EXPECT_EQ(chords + "| " + pitches, "DO+ SOL+ FA+ | DO RE MI FA SOL LA SI do' re' si ");
}

}  // namespace
