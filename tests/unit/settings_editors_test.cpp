// The settings editors as a user's mouse reaches them: steppers, switches, the
// link page with its pager, and the tempo level.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine_test_support.h"
#include "model/cell_access.h"
#include "platform/dispatch.h"
#include "settings/factory_defaults.h"
#include "settings/switches.h"

using namespace kelo;
using kelo::enginetest::EngineWindow;
using kelo::enginetest::onlyModules;
using kelo::enginetest::setSwitches;

namespace {

constexpr const char* kEdited = "modificati dall'Utente";
const MouseArgs kRight{2, 1, 7, 7};  // any button and modifier presses alike

struct Editors : ::testing::Test {
    EngineWindow w;
    frmKeloTrundo15& f = w.f;
    Editors() { resetAllToFactory(f); }

    std::string& name() { return f.lblScritteVarie[75].Caption; }
    void press(Label& c) { ASSERT_TRUE(deliverMouseDown(c, kRight)) << c.Name << c.Index; }
    void release(Label& c) { deliverMouseUp(c, kRight); }
    void click(Label& c) {
        press(c);
        release(c);
    }
    void showEnginePanel() { f.Frame3.Visible = true; }
    std::vector<std::string> bank() {
        std::vector<std::string> v;
        for (int i = 81; i <= 1120; ++i) v.push_back(f.lblCollegamento[i].Caption);
        return v;
    }
};

using Cell = std::function<Label&(frmKeloTrundo15&)>;

struct Member {
    Cell cell;
    Timer frmKeloTrundo15::*timer;
    Cell held;             // the held-index item, or none
    const char* heldText;  // what it names after the press
    Colour rest;
    bool renames;
    const char* from;
    std::vector<const char*> steps;  // after the press, then after each tick
};

Cell at(ControlArray<Label> frmKeloTrundo15::*a, int i) {
    return [a, i](frmKeloTrundo15& f) -> Label& { return (f.*a)[i]; };
}

}  // namespace

TEST_F(Editors, EveryStepperStepsAtThePressAndEveryTickUntilTheRelease) {
    using W = frmKeloTrundo15;
    const Cell rip = [](W& f) -> Label& { return f.lblRip; };
    const Member members[] = {
        {at(&W::lblAccordi, 5), &W::TmrAccordi, at(&W::lblAccordi, 0), "5", ColorePeso, true, "15", {"16", "1", "2"}},
        {at(&W::lblAccordi, 1), &W::TmrAccordi, at(&W::lblAccordi, 0), "1", ColorePeso, true, "17", {"18", "19"}},
        {at(&W::lblFreCad, 13), &W::TmrFreCad, at(&W::lblFreCad, 0), "13", ColorePeso, true, "16", {"1", "2"}},
        {at(&W::lblNota, 57), &W::TmrNota, at(&W::lblNota, 0), "57", ColorePeso, true, "15", {"16", "1"}},
        {at(&W::lblFreqIncisi, 15), &W::TmrIncisi, at(&W::lblFreqIncisi, 16), "15", ColorePeso, true, "16", {"1"}},
        {at(&W::lblNotafinale, 2), &W::TmrFinali, at(&W::lblNotafinale, 0), "2", ColorePeso, true, "15",
         {"16", "0", "1"}},
        {at(&W::lblNotafinale, 4), &W::TmrFinali, at(&W::lblNotafinale, 0), "4", ColorePeso, true, "15",
         {"16", "1", "2"}},
        {rip, &W::TmrRip, nullptr, "", ColorePeso, false, "15", {"16", "1"}},
        {at(&W::lblFreqInc, 13), &W::TmrMod, at(&W::lblFreqInc, 0), "13", ColorePeso, true, "16", {"1", "2"}},
        {at(&W::lblFreIncB, 1), &W::TmrModB, at(&W::lblFreIncB, 0), "1", ColorePeso, true, "15", {"16", "1"}},
        {at(&W::lblFreqInc, 26), &W::TmrMod, at(&W::lblFreqInc, 0), "26", ColorePeso, true, "12",
         {"13", "4", "5"}},
        {at(&W::lblCollegamento, 11), &W::TmrCollegamento, at(&W::lblCollegamento, 0), "11", ColorePeso, true, "16",
         {"1", "2"}},
        {at(&W::lblVeloc, 2), &W::TmrVeloc, at(&W::lblVeloc, 3), "2", ColoreFreccia, false, "14",
         {"15", "16", "16"}},
        {at(&W::lblVeloc, 1), &W::TmrVeloc, at(&W::lblVeloc, 3), "1", ColoreFreccia, false, "2", {"1", "1"}},
    };
    for (const Member& m : members) {
        Label& cell = m.cell(f);
        Label& value = m.timer == &W::TmrVeloc ? f.lblVeloc[0] : cell;
        SCOPED_TRACE(std::string(cell.Name) + "(" + std::to_string(cell.Index) + ") from " + m.from);
        Timer& timer = f.*m.timer;
        value.Caption = m.from;
        name() = kFactoryProfileName;

        press(cell);
        EXPECT_EQ(value.Caption, m.steps[0]);
        EXPECT_EQ(name(), m.renames ? kEdited : kFactoryProfileName);
        EXPECT_EQ(cell.BackColor, ColoreTenuto);
        EXPECT_EQ(cell.BorderStyle, 1);
        EXPECT_TRUE(timer.Enabled());
        if (m.held) {
            EXPECT_EQ(m.held(f).Caption, m.heldText);
        }
        for (size_t t = 1; t < m.steps.size(); ++t) {
            w.hp.advance(124);
            EXPECT_EQ(value.Caption, m.steps[t - 1]) << "tick " << t << " came early";
            w.hp.advance(1);
            EXPECT_EQ(value.Caption, m.steps[t]) << "tick " << t;
        }
        release(cell);
        EXPECT_EQ(cell.BackColor, m.rest);
        EXPECT_EQ(cell.BorderStyle, 0);
        EXPECT_FALSE(timer.Enabled());
        w.hp.advance(500);
        EXPECT_EQ(value.Caption, m.steps.back()) << "stepped after the release";
        if (m.held) {
            EXPECT_EQ(m.held(f).Caption, m.heldText) << "the release keeps the held index";
        }

        // A click steps once; another profile name stays.
        name() = "Mio";
        value.Caption = m.from;
        click(cell);
        w.hp.advance(500);
        EXPECT_EQ(value.Caption, m.steps[0]);
        EXPECT_EQ(name(), "Mio");
    }
}

TEST_F(Editors, SwitchesKeepTheirCountsAndRefuseTheLastOnesWhileInertItemsDoNothing) {
    // Module lists: at least four on, the pool never above the count.
    auto secondList = [&] {
        std::string s;
        for (int k = 1; k <= 13; ++k) s += f.lblFreIncB[k].Caption + std::to_string(f.lblModuloB[k].BackColor);
        return s + f.lblFreIncB[25].Caption + f.lblFreIncB[26].Caption;
    };
    const std::string second = secondList();
    onlyModules(f.lblModulo, f.lblFreqInc, {1, 2, 3, 4, 5}, 5);
    click(f.lblModulo[5]);
    EXPECT_EQ(f.lblFreqInc[25].Caption, "4");
    EXPECT_EQ(f.lblFreqInc[26].Caption, "4");
    name() = kFactoryProfileName;
    click(f.lblModulo[1]);
    EXPECT_TRUE(isOn(f.lblModulo[1])) << "the fourth-last module went off";
    EXPECT_EQ(f.lblFreqInc[25].Caption, "4");
    EXPECT_EQ(name(), kEdited) << "a refused press still renames";
    click(f.lblFreqInc[26]);
    EXPECT_EQ(f.lblFreqInc[26].Caption, "4") << "with four on the pool stays 4";
    click(f.lblModulo[5]);
    EXPECT_EQ(f.lblFreqInc[25].Caption, "5");
    EXPECT_EQ(f.lblFreqInc[26].Caption, "4") << "switching on leaves the pool";
    click(f.lblModulo[9]);
    for (const char* pool : {"5", "6", "4"}) {
        click(f.lblFreqInc[26]);
        EXPECT_EQ(f.lblFreqInc[26].Caption, pool) << "six on";
    }
    EXPECT_EQ(secondList(), second) << "the second list is its own";

    // Cadences and song forms: counted up and down; the last one on stays on.
    for (auto [switches, count, n] : {std::tuple{&f.lblCadenza, 0, 13}, std::tuple{&f.lblInciso, 16, 15}}) {
        for (int k : {2, 3, 4}) click((*switches)[k]);
        EXPECT_EQ((*switches)[count].Caption, std::to_string(n - 3));
        for (int k : {2, 3, 4}) click((*switches)[k]);
        EXPECT_EQ((*switches)[count].Caption, std::to_string(n));
        setSwitches(*switches, 2, n, false);
        (*switches)[count].Caption = "1";
        name() = kFactoryProfileName;
        click((*switches)[1]);
        EXPECT_TRUE(isOn((*switches)[1]));
        EXPECT_EQ((*switches)[count].Caption, "1");
        EXPECT_EQ(name(), kEdited);
    }

    // "Copy": off, on, off, and nothing else.
    name() = kFactoryProfileName;
    for (Colour c : {ColoreSpento, ColoreAcceso, ColoreSpento}) {
        click(f.lblFreqIncisi[0]);
        EXPECT_EQ(f.lblFreqIncisi[0].BackColor, c);
        EXPECT_EQ(f.lblFreqIncisi[0].BorderStyle, 0);
        EXPECT_FALSE(f.TmrIncisi.Enabled());
    }
    EXPECT_EQ(name(), kFactoryProfileName);
    // The hidden mode switch: "M", "m", "M", and anything else becomes "M".
    for (auto [from, to] : {std::pair{"M", "m"}, std::pair{"m", "M"}, std::pair{"?", "M"}}) {
        f.lblModo.Caption = from;
        lblModo_MouseDown(f, {});
        EXPECT_EQ(f.lblModo.Caption, to);
        EXPECT_EQ(f.lblModo.BackColor, ColoreTenuto);
        lblModo_MouseUp(f, {});
        EXPECT_EQ(f.lblModo.BackColor, ColorePeso);
    }

    // Items of the engine panel in the same arrays are no editors: the drawn song
    // form and cadence, and the held index of a module list.
    showEnginePanel();
    const std::string before = enginetest::settingsSnapshot(f);
    std::vector<Label*> inert{&f.lblCadenza[14], &f.lblFreqInc[0], &f.lblFreIncB[0]};
    for (int i = 23; i <= 27; ++i) inert.push_back(&f.lblInciso[i]);
    for (Label* c : inert) {
        press(*c);
        w.hp.advance(300);
        release(*c);
    }
    EXPECT_TRUE(enginetest::settingsSnapshot(f) == before) << "an inert item changed the settings";
    EXPECT_FALSE(f.TmrMod.Enabled() || f.TmrModB.Enabled());
}

TEST_F(Editors, ThePagerWrapsAndOnlyTheReleaseOfAPageCellWritesTheBank) {
    Label &shown = f.lblCercaNota[0], &back = f.lblCercaNota[1], &next = f.lblCercaNota[2];
    auto pageIsBankOf = [&](int n) {
        for (int k = 1; k <= 80; ++k)
            if (f.lblCollegamento[k].Caption != f.lblCollegamento[80 * n + k].Caption) return false;
        return true;
    };
    name() = kFactoryProfileName;
    shown.Caption = "1";
    click(back);
    EXPECT_EQ(shown.Caption, "13");
    EXPECT_EQ(f.lblCercaNota[3].Caption + f.lblCercaNota[4].Caption + f.lblNotaB[6].Caption + f.lblNotaB[7].Caption,
              "SOL+re're'");
    EXPECT_TRUE(pageIsBankOf(13));
    click(next);
    EXPECT_EQ(shown.Caption, "1");

    // Holding ">" from case 2: the case runs ahead, figures and page wait for the release.
    shown.Caption = "2";
    press(next);
    EXPECT_EQ(shown.Caption, "3");
    EXPECT_EQ(f.lblNotaB[2].Caption, "LA");
    EXPECT_TRUE(pageIsBankOf(3));
    w.hp.advance(150);
    EXPECT_EQ(shown.Caption + f.lblCercaNota[3].Caption + f.lblCercaNota[4].Caption + f.lblCercaNota[5].Caption,
              "4SOL+RE320");
    w.hp.advance(150);
    EXPECT_EQ(shown.Caption, "5");
    EXPECT_EQ(f.lblNotaB[2].Caption, "LA");
    release(next);
    EXPECT_EQ(f.lblNotaB[2].Caption, "SOL");
    EXPECT_TRUE(pageIsBankOf(5));
    EXPECT_FALSE(f.TmrPagina.Enabled());
    EXPECT_EQ(next.BackColor, ColoreFreccia);
    EXPECT_EQ(f.lblCercaNota[6].BackColor, ColoreVerde) << "the direction stays";

    // The case number steps nothing and starts no timer.
    press(shown);
    EXPECT_EQ(shown.BorderStyle, 1);
    EXPECT_FALSE(f.TmrPagina.Enabled());
    release(shown);
    EXPECT_EQ(shown.Caption, "5");
    EXPECT_EQ(name(), kFactoryProfileName) << "paging renames nothing";

    // A page cell reaches the bank at its release, and only its own cell.
    Label& cell = f.lblCollegamento[3];  // case 5 to si, "8"
    const std::vector<std::string> before = bank();
    press(cell);
    w.hp.advance(125);
    EXPECT_EQ(bank(), before) << "the bank changed before the release";
    release(cell);
    std::vector<std::string> after = before;
    after[403 - 81] = "10";
    EXPECT_EQ(bank(), after);
    click(next);
    click(back);
    EXPECT_EQ(cell.Caption, "10");
}

TEST_F(Editors, TheTempoStopsAtItsEndsAndSetsTheIntervalOnlyOnRelease) {
    Label& level = f.lblVeloc[0];
    struct Row {
        const char* from;
        int arrow;
        const char* to;
        int ms;
    };
    // Levels outside 1..16 come only with a melody record: back to the nearer end first.
    const Row rows[] = {{"1", 1, "1", 600},   {"16", 2, "16", 75}, {"13", 2, "14", 99},
                        {"20", 2, "16", 75},  {"20", 1, "15", 86}, {"-3", 1, "1", 600}};
    for (const Row& r : rows) {
        level.Caption = r.from;
        click(f.lblVeloc[r.arrow]);
        EXPECT_EQ(level.Caption, r.to) << r.from;
        EXPECT_EQ(f.TmrAudio.Interval(), r.ms) << r.from;
        EXPECT_EQ(f.lblVeloc[4].Caption, std::to_string(r.ms)) << r.from;
    }

    level.Caption = "13";
    press(f.lblVeloc[2]);
    w.hp.advance(250);
    EXPECT_EQ(level.Caption, "16");
    EXPECT_EQ(f.TmrAudio.Interval(), 600) << "the tempo heard changed before the release";
    release(f.lblVeloc[2]);
    EXPECT_EQ(f.TmrAudio.Interval(), 75);

    // The level itself: no step and no look, but the last arrow's direction repeats.
    level.Caption = "10";
    press(level);
    EXPECT_EQ(level.Caption, "10");
    EXPECT_EQ(level.BorderStyle, 0);
    w.hp.advance(125);
    EXPECT_EQ(level.Caption, "11");
    release(level);
    EXPECT_EQ(f.TmrAudio.Interval(), 150);
    EXPECT_FALSE(f.TmrVeloc.Enabled());
    // A release on a level from outside the table keeps the interval.
    level.Caption = "40";
    click(level);
    EXPECT_EQ(f.TmrAudio.Interval(), 150);
    EXPECT_EQ(name(), kFactoryProfileName);
}

TEST_F(Editors, AHeldLinkCellSurvivesACompositionAndAReloadThatForbidsIt) {
    // Case 2 on show: page cell 5 is "2", cell 6 is "8".
    Label &five = f.lblCollegamento[5], &six = f.lblCollegamento[6];
    press(five);
    w.hp.advance(125);
    ASSERT_EQ(five.Caption, "4");
    raiseClick(f.cmdIncisi);  // Enter, or the end of a piece that composes the next
    EXPECT_EQ(f.lblCollegamento[165].Caption, "4") << "the composition lost the held steps";
    EXPECT_EQ(five.Caption, "4");
    EXPECT_EQ(five.BackColor, ColoreTenuto);
    w.hp.advance(125);
    release(five);
    EXPECT_EQ(f.lblCollegamento[165].Caption, "5");

    // A reload under the held cell turns it into "X": ticks leave it, the release still arrives.
    press(six);
    f.lblCollegamento[166].Caption = "X";
    CaricaPaginaCollegamento(f);
    ASSERT_FALSE(six.Enabled);
    w.hp.advance(500);
    EXPECT_EQ(six.Caption, "X");
    release(six);
    EXPECT_FALSE(f.TmrCollegamento.Enabled());
    EXPECT_EQ(six.BackColor, ColorePeso);
    EXPECT_EQ(f.lblCollegamento[166].Caption, "X");
}
