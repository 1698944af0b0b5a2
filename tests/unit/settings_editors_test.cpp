// The settings editors as a user's mouse reaches them: steppers, switches, the
// link page with its pager, and the tempo level.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/cells.h"
#include "support/test_window.h"
#include "model/cell_access.h"
#include "platform/dispatch.h"
#include "settings/factory_defaults.h"

using namespace kelo;
using support::settingsSnapshot;
using W = frmKeloTrundo15;

namespace {

constexpr const char* kEdited = "modificati dall'Utente";

struct Editors : ::testing::Test {
    support::TestWindow w;
    W& f = w.f;
    Editors() { resetAllToFactory(f); }

    std::string& name() { return f.lblScritteVarie[75].Caption; }
    void press(Label& c) { ASSERT_TRUE(deliverMouseDown(c, MouseArgs{2, 1, 7, 7})) << c.Name << c.Index; }
    void release(Label& c) { deliverMouseUp(c); }
    void click(Label& c) { press(c), release(c); }
};

}  // namespace

TEST_F(Editors, EveryStepperStepsAtThePressAndEveryTickUntilTheRelease) {
    struct Member {
        ControlArray<Label> W::*table;  // none: lblRip
        int index, held;                // the cell pressed and the table's held-index item
        Timer W::*timer;
        bool renames;
        const char* from;
        std::vector<const char*> steps;  // after the press, then after each tick
    };
    const Member members[] = {
        {&W::lblAccordi, 5, 0, &W::TmrAccordi, true, "15", {"16", "1", "2"}},
        {&W::lblFreCad, 13, 0, &W::TmrFreCad, true, "17", {"18", "19"}},
        {&W::lblNota, 57, 0, &W::TmrNota, true, "15", {"16", "1"}},
        {&W::lblFreqIncisi, 15, 16, &W::TmrIncisi, true, "16", {"1"}},
        {&W::lblNotafinale, 2, 0, &W::TmrFinali, true, "15", {"16", "0", "1"}},
        {&W::lblNotafinale, 4, 0, &W::TmrFinali, true, "15", {"16", "1", "2"}},
        {nullptr, -1, -1, &W::TmrRip, false, "15", {"16", "1"}},
        {&W::lblFreqInc, 13, 0, &W::TmrMod, true, "16", {"1", "2"}},
        {&W::lblFreIncB, 26, 0, &W::TmrModB, true, "12", {"13", "4", "5"}},  // the pool size
        {&W::lblCollegamento, 11, 0, &W::TmrCollegamento, true, "16", {"1", "2"}},
        {&W::lblVeloc, 2, 3, &W::TmrVeloc, false, "14", {"15", "16", "16"}},  // the tempo level
        {&W::lblVeloc, 1, 3, &W::TmrVeloc, false, "2", {"1", "1"}},
    };
    for (const Member& m : members) {
        Label& cell = m.table ? (f.*m.table)[m.index] : f.lblRip;
        const bool tempo = m.table == &W::lblVeloc;
        Label& value = tempo ? f.lblVeloc[0] : cell;
        SCOPED_TRACE(std::string(cell.Name) + "(" + std::to_string(m.index) + ") from " + m.from);
        value.Caption = m.from;
        name() = kFactoryProfileName;
        press(cell);
        EXPECT_EQ(name(), m.renames ? kEdited : kFactoryProfileName);
        EXPECT_TRUE(cell.BackColor == ColoreTenuto && cell.BorderStyle == 1) << "no held look";
        for (size_t t = 0; t < m.steps.size(); ++t) {
            if (t > 0) w.hp.advance(124);
            EXPECT_EQ(value.Caption, m.steps[t > 0 ? t - 1 : 0]) << "tick " << t << " came early";
            if (t > 0) w.hp.advance(1);
            EXPECT_EQ(value.Caption, m.steps[t]) << "tick " << t;
        }
        release(cell);
        EXPECT_TRUE(cell.BackColor == (tempo ? ColoreFreccia : ColorePeso) && cell.BorderStyle == 0);
        EXPECT_FALSE((f.*m.timer).Enabled());
        EXPECT_TRUE(!m.table || (f.*m.table)[m.held].Caption == std::to_string(m.index)) << "the held index";

        // A click steps once and leaves any other profile name.
        name() = "Mio";
        value.Caption = m.from;
        click(cell);
        w.hp.advance(500);
        EXPECT_EQ(value.Caption, m.steps[0]);
        EXPECT_EQ(name(), "Mio");
    }
}

TEST_F(Editors, SwitchesKeepTheirCountsAndRefuseTheLastOnesWhileInertItemsDoNothing) {
    // Module lists: at least four on, the pool at most the count, each list its own.
    auto secondList = [&] {
        std::vector<RecordValue> v = collectSettingsRecord(f);
        return std::vector<RecordValue>(v.begin() + 29, v.begin() + 57);  // lines 30 to 57
    };
    const std::vector<RecordValue> second = secondList();
    support::onlyModules(f.lblModulo, f.lblFreqInc, {1, 2, 3, 4, 5}, 5);
    click(f.lblModulo[5]);
    EXPECT_EQ(f.lblFreqInc[25].Caption + f.lblFreqInc[26].Caption, "44");
    name() = kFactoryProfileName;
    click(f.lblModulo[1]);
    EXPECT_TRUE(isOn(f.lblModulo[1])) << "the fourth-last module went off";
    EXPECT_EQ(name(), kEdited) << "a refused press still renames";
    click(f.lblFreqInc[26]);
    click(f.lblModulo[5]);
    click(f.lblModulo[9]);
    EXPECT_EQ(f.lblFreqInc[25].Caption + f.lblFreqInc[26].Caption, "64") << "switching on leaves the pool";
    for (const char* pool : {"5", "6", "4"}) {
        click(f.lblFreqInc[26]);
        EXPECT_EQ(f.lblFreqInc[26].Caption, pool);
    }
    EXPECT_TRUE(secondList() == second) << "the second list changed";

    // Cadences and song forms count up and down; the last one on stays on.
    for (auto [switches, count, n] : {std::tuple{&f.lblCadenza, 0, 13}, std::tuple{&f.lblInciso, 16, 15}}) {
        for (int k : {2, 3, 4}) click((*switches)[k]);
        EXPECT_EQ((*switches)[count].Caption, std::to_string(n - 3));
        support::setSwitches(*switches, 2, n, false);
        (*switches)[count].Caption = "1";
        click((*switches)[1]);
        EXPECT_TRUE(isOn((*switches)[1]) && (*switches)[count].Caption == "1");
    }
    // "Copy" toggles and does nothing else.
    name() = kFactoryProfileName;
    for (Colour c : {ColoreSpento, ColoreAcceso}) {
        click(f.lblFreqIncisi[0]);
        EXPECT_EQ(f.lblFreqIncisi[0].BackColor, c);
    }
    EXPECT_FALSE(f.TmrIncisi.Enabled() || f.lblFreqIncisi[0].BorderStyle);
    EXPECT_EQ(name(), kFactoryProfileName);

    // The drawn song form and cadence and the held indices of the module lists share
    // arrays with editors but are none, on the engine panel.
    f.Frame3.Visible = true;
    const std::string before = settingsSnapshot(f);
    std::vector<Label*> inert{&f.lblCadenza[14], &f.lblFreqInc[0], &f.lblFreIncB[0]};
    for (int i = 23; i <= 27; ++i) inert.push_back(&f.lblInciso[i]);
    for (Label* c : inert) press(*c), w.hp.advance(300), release(*c);
    EXPECT_TRUE(settingsSnapshot(f) == before) << "an inert item changed the settings";
}

TEST_F(Editors, ThePagerWrapsAndAPageCellReachesOnlyItsBankCellAtTheRelease) {
    Label &shown = f.lblCercaNota[0], &back = f.lblCercaNota[1], &next = f.lblCercaNota[2];
    auto page = [&] { return f.lblCercaNota[3].Caption + f.lblNotaB[2].Caption + f.lblCollegamento[3].Caption; };
    shown.Caption = "1";
    click(back);
    EXPECT_EQ(shown.Caption + page(), "13SOL+SOLX");
    click(next);
    EXPECT_EQ(shown.Caption, "1");

    // Holding ">" from 5: the case runs ahead, figures and page wait for the release.
    shown.Caption = "5";
    press(next);
    EXPECT_EQ(page(), "FA+LA4");
    w.hp.advance(300);
    EXPECT_EQ(shown.Caption + f.lblCercaNota[5].Caption + f.lblCercaNota[4].Caption + page(), "8640SOLSOL+LA4");
    release(next);
    EXPECT_EQ(page(), "SOL+SI8");
    click(shown);  // the case number steps nothing
    EXPECT_EQ(shown.Caption + page(), "8SOL+SI8");
    EXPECT_EQ(f.lblCercaNota[6].BackColor, ColoreVerde) << "the direction stays";

    std::vector<std::string> bank;
    for (int i = 81; i <= 1120; ++i) bank.push_back(f.lblCollegamento[i].Caption);
    press(f.lblCollegamento[3]);
    w.hp.advance(125);
    EXPECT_EQ(f.lblCollegamento[643].Caption, "8") << "the bank changed before the release";
    release(f.lblCollegamento[3]);
    bank[643 - 81] = "10";
    for (int i = 81; i <= 1120; ++i) EXPECT_EQ(f.lblCollegamento[i].Caption, bank[i - 81]) << i;
}

TEST_F(Editors, TheTempoIsBroughtIntoItsRangeAndSetsTheIntervalOnlyOnRelease) {
    Label& level = f.lblVeloc[0];
    // A level outside 1..16 comes only with a melody record: back to the nearer end first.
    for (auto [from, arrow, to, ms] : {std::tuple{"13", 2, "14", 99}, {"20", 2, "16", 75}, {"20", 1, "15", 86},
                                       {"-3", 1, "1", 600}}) {
        level.Caption = from;
        click(f.lblVeloc[arrow]);
        EXPECT_EQ(level.Caption + " " + f.lblVeloc[4].Caption, to + (" " + std::to_string(ms))) << from;
        EXPECT_EQ(f.TmrAudio.Interval(), ms);
    }
    level.Caption = "11";
    press(f.lblVeloc[2]);
    w.hp.advance(250);
    EXPECT_EQ(f.TmrAudio.Interval(), 600) << "the tempo heard changed before the release";
    release(f.lblVeloc[2]);
    EXPECT_EQ(f.TmrAudio.Interval(), 99);
    // The level itself moves in the last arrow's direction, without a look of its own;
    // a level outside the table keeps the interval.
    press(level);
    w.hp.advance(125);
    EXPECT_EQ(level.Caption + std::to_string(level.BorderStyle), "150");
    release(level);
    EXPECT_EQ(f.TmrAudio.Interval(), 86);
    level.Caption = "40";
    click(level);
    EXPECT_EQ(f.TmrAudio.Interval(), 86);
}

TEST_F(Editors, AHeldLinkCellSurvivesACompositionAndAReloadThatForbidsIt) {
    Label &five = f.lblCollegamento[5], &six = f.lblCollegamento[6];  // case 2: "2" and "8"
    press(five);
    w.hp.advance(125);
    raiseClick(f.cmdIncisi);  // Enter, or the end of a piece that composes the next
    EXPECT_EQ(f.lblCollegamento[165].Caption + five.Caption, "44") << "the composition lost the held steps";
    w.hp.advance(125);
    release(five);
    EXPECT_EQ(f.lblCollegamento[165].Caption, "5");

    // A reload turns the held cell into "X": ticks leave it, the release still arrives.
    press(six);
    f.lblCollegamento[166].Caption = "X";
    CaricaPaginaCollegamento(f);
    w.hp.advance(500);
    release(six);
    EXPECT_FALSE(six.Enabled || f.TmrCollegamento.Enabled());
    EXPECT_EQ(six.Caption + f.lblCollegamento[166].Caption, "XX");
    EXPECT_EQ(six.BackColor, ColorePeso);
}
