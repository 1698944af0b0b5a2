// The settings editors as a user's mouse reaches them: steppers, switches, the
// link page with its pager, and the tempo level.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "model/cell_access.h"
#include "platform/dispatch.h"
#include "settings/factory_defaults.h"
#include "support/cells.h"
#include "support/test_window.h"

using namespace kelo;
using W = frmKeloTrundo15;

namespace {

constexpr const char* kEdited = "modificati dall'Utente";

struct Editors : ::testing::Test {
    support::TestWindow w{{.factory = true, .folder = {}}};
    W& f = w.f;

    std::string& name() { return f.lblScritteVarie[75].Caption; }
    void press(Label& c) { ASSERT_TRUE(deliverMouseDown(c, MouseArgs{2, 1, 7, 7})) << c.Name << c.Index; }
    void release(Label& c) { deliverMouseUp(c); }
    void click(Label& c) { press(c), release(c); }
};

}  // namespace

TEST_F(Editors, EveryStepperStepsAtThePressAndEveryTickUntilTheRelease) {
    // The table (none: lblRip), the cell pressed, the table's held-index item, its repeat
    // timer, whether a press renames the profile, the value before and after the press and two ticks.
    using Member = std::tuple<ControlArray<Label> W::*, int, int, Timer W::*, bool, const char*, const char*>;
    for (auto [table, index, held, timer, renames, from, steps] :
         std::initializer_list<Member>{{&W::lblAccordi, 5, 0, &W::TmrAccordi, true, "15", "16 1 2"},
                                       {&W::lblFreCad, 13, 0, &W::TmrFreCad, true, "17", "18 19 20"},
                                       {&W::lblNota, 57, 0, &W::TmrNota, true, "15", "16 1 2"},
                                       {&W::lblFreqIncisi, 15, 16, &W::TmrIncisi, true, "16", "1 2 3"},
                                       {&W::lblNotafinale, 2, 0, &W::TmrFinali, true, "15", "16 0 1"},
                                       {&W::lblNotafinale, 4, 0, &W::TmrFinali, true, "15", "16 1 2"},
                                       {nullptr, -1, -1, &W::TmrRip, false, "15", "16 1 2"},
                                       {&W::lblFreqInc, 13, 0, &W::TmrMod, true, "16", "1 2 3"},
                                       {&W::lblFreIncB, 26, 0, &W::TmrModB, true, "12", "13 4 5"},  // the pool size
                                       {&W::lblCollegamento, 11, 0, &W::TmrCollegamento, true, "16", "1 2 3"},
                                       {&W::lblVeloc, 2, 3, &W::TmrVeloc, false, "14", "15 16 16"},  // the tempo level
                                       {&W::lblVeloc, 1, 3, &W::TmrVeloc, false, "2", "1 1 1"}}) {
        Label& cell = table ? (f.*table)[index] : f.lblRip;
        const bool tempo = table == &W::lblVeloc;
        Label& value = tempo ? f.lblVeloc[0] : cell;
        SCOPED_TRACE(std::string(cell.Name) + "(" + std::to_string(index) + ") from " + from);
        EXPECT_EQ((f.*timer).Interval(), 125);
        value.Caption = from;
        name() = kFactoryProfileName;
        press(cell);
        EXPECT_EQ(name(), renames ? kEdited : kFactoryProfileName);
        EXPECT_TRUE(cell.BackColor == ColoreTenuto && cell.BorderStyle == 1) << "no held look";
        std::string seen = value.Caption;
        for (int tick = 1; tick <= 2; ++tick) w.hp.advance(125), seen += " " + value.Caption;
        EXPECT_EQ(seen, steps);
        release(cell);
        EXPECT_TRUE(cell.BackColor == (tempo ? ColoreFreccia : ColorePeso) && cell.BorderStyle == 0);
        EXPECT_FALSE((f.*timer).Enabled()) << "the repeat timer outlived the hold";
        EXPECT_TRUE(!table || (f.*table)[held].Caption == std::to_string(index)) << "the held index";
        name() = "Mio", click(cell);  // any other profile's name stays
        EXPECT_EQ(name(), "Mio");
    }
}

TEST_F(Editors, SwitchesKeepTheirCountsAndRefuseTheLastOnesWhileInertItemsDoNothing) {
    // Module lists: at least four on, the pool at most the count.
    for (int list : {0, 1}) {
        ControlArray<Label>& modules = list ? f.lblModuloB : f.lblModulo;
        ControlArray<Label>& weights = list ? f.lblFreIncB : f.lblFreqInc;
        support::onlyModules(modules, weights, {1, 2, 3, 4, 13}, 5);
        click(modules[13]);
        EXPECT_EQ(weights[25].Caption + weights[26].Caption, "44");
        name() = kFactoryProfileName;
        click(modules[1]);
        EXPECT_TRUE(isOn(modules[1])) << "the fourth-last module went off";
        EXPECT_EQ(name(), kEdited) << "a refused press still renames";
        for (Label* c : {&weights[26], &modules[13], &modules[9]}) click(*c);
        EXPECT_EQ(weights[25].Caption + weights[26].Caption, "64") << "switching on leaves the pool";
        std::string pools;
        for (int k = 0; k < 3; ++k) click(weights[26]), pools += weights[26].Caption;
        EXPECT_EQ(pools, "564");
    }
    // Cadences and song forms count up and down; the last one on stays on.
    for (auto [switches, count, n] : {std::tuple{&f.lblCadenza, 0, 13}, std::tuple{&f.lblInciso, 16, 15}}) {
        for (int k : {2, 3, 4}) click((*switches)[k]);
        EXPECT_EQ((*switches)[count].Caption, std::to_string(n - 3));
        EXPECT_FALSE(isOn((*switches)[2]) || isOn((*switches)[3]) || isOn((*switches)[4]));
        support::setSwitches(*switches, 2, n, false);
        (*switches)[count].Caption = "1";
        click((*switches)[1]);
        click((*switches)[n]);
        EXPECT_TRUE(isOn((*switches)[1]) && isOn((*switches)[n]) && (*switches)[count].Caption == "2");
    }
    // "Copy" toggles and does nothing else.
    name() = kFactoryProfileName;
    click(f.lblFreqIncisi[0]);
    EXPECT_FALSE(isOn(f.lblFreqIncisi[0]) || f.TmrIncisi.Enabled() || f.lblFreqIncisi[0].BorderStyle);
    click(f.lblFreqIncisi[0]);
    EXPECT_TRUE(isOn(f.lblFreqIncisi[0]) && name() == kFactoryProfileName);

    // The drawn song form and cadence and the held indices of the module lists share
    // arrays with editors but are none, on the engine panel.
    f.Frame3.Visible = true;
    const std::string before = support::settingsSnapshot(f);
    for (Label* c :
         {&f.lblCadenza[14], &f.lblFreqInc[0], &f.lblFreIncB[0], &f.lblInciso[23], &f.lblInciso[24], &f.lblInciso[27]})
        press(*c), w.hp.advance(300), release(*c);
    EXPECT_TRUE(support::settingsSnapshot(f) == before) << "an inert item changed the settings";
}

TEST_F(Editors, ThePagerWrapsAndAHeldPageCellReachesOnlyItsBankCellAtTheRelease) {
    Label &shown = f.lblCercaNota[0], &back = f.lblCercaNota[1], &next = f.lblCercaNota[2];
    auto page = [&] { return f.lblCercaNota[3].Caption + f.lblNotaB[2].Caption + f.lblCollegamento[3].Caption; };
    EXPECT_EQ(f.TmrPagina.Interval(), 150);
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

    press(f.lblCollegamento[3]);
    std::vector<RecordValue> settings = collectSettingsRecord(f);
    w.hp.advance(125);
    EXPECT_EQ(support::settingsSnapshot(f), formatRecord(settings)) << "the bank changed before the release";
    release(f.lblCollegamento[3]);
    settings[643 + 23 - 1] = RecordValue::Text("10");
    EXPECT_EQ(support::settingsSnapshot(f), formatRecord(settings));

    // A held cell survives a composition and never unforbids a link.
    shown.Caption = "2", click(shown);
    Label &five = f.lblCollegamento[5], &six = f.lblCollegamento[6];  // "2" and "8"
    press(five);
    w.hp.advance(125);
    raiseClick(f.cmdIncisi);  // Enter, or the end of a piece that composes the next
    EXPECT_EQ(f.lblCollegamento[165].Caption + five.Caption, "44") << "the composition lost the held steps";
    w.hp.advance(125);
    release(five);
    EXPECT_EQ(f.lblCollegamento[165].Caption, "5");

    // Forbidden in the bank under a held cell: the release leaves it forbidden, and a
    // reload turns the cell into "X", which ticks leave and the release still reaches.
    for (bool reload : {false, true}) {
        press(six);
        f.lblCollegamento[166].Caption = "X";
        if (reload) CaricaPaginaCollegamento(f), w.hp.advance(500);
        release(six);
        EXPECT_EQ(f.lblCollegamento[166].Caption, "X");
    }
    EXPECT_FALSE(six.Enabled || f.TmrCollegamento.Enabled());
    EXPECT_EQ(six.Caption, "X");
    EXPECT_EQ(six.BackColor, ColorePeso);
}

TEST_F(Editors, TheTempoIsBroughtIntoItsRangeAndSetsTheIntervalOnlyOnRelease) {
    Label& level = f.lblVeloc[0];
    // A level outside 1..16 comes only with a melody record: an arrow brings it back to
    // the nearer end first. A press on the level itself moves it the last arrow's way,
    // without a look of its own; a level outside the table keeps the interval.
    for (auto [from, item, hold, to, ms] : {std::tuple{"12", 2, 125, "14", 99},
                                            {"20", 2, 0, "16", 75},
                                            {"20", 1, 0, "15", 86},
                                            {"-3", 1, 0, "1", 600},
                                            {"3", 0, 125, "2", 522},
                                            {"40", 0, 0, "40", 522}}) {
        level.Caption = from;
        const int heard = f.TmrAudio.Interval();
        press(f.lblVeloc[item]);
        w.hp.advance(hold);
        EXPECT_EQ(f.TmrAudio.Interval(), heard) << "the tempo heard changed before the release";
        EXPECT_EQ(level.BorderStyle, 0);
        release(f.lblVeloc[item]);
        EXPECT_EQ(level.Caption + " " + f.lblVeloc[4].Caption + " " + std::to_string(f.TmrAudio.Interval()),
                  to + (" " + std::to_string(ms) + " " + std::to_string(ms)))
            << from;
    }
}
