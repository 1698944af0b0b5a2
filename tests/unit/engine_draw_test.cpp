// The two shared draws and the guard that keeps a weighted draw with nothing to
// draw from away from NumeroCasuale.
#include <gtest/gtest.h>

#include "app/compose_button.h"
#include "engine/harmony.h"
#include "engine/song_form.h"
#include "engine/weighted_draw.h"
#include "model/random_draw.h"
#include "support/cells.h"
#include "support/raises.h"
#include "support/test_window.h"

using namespace kelo;
using namespace kelo::support;

// A row for each way the rule can go wrong: a floor, the wrapping of a negative value
// into 1..K, the clock term of each variant, the clock read at every draw.
TEST(NumeroCasuale, FollowsTheRuleWithBothFloorsAndReadsTheClockAtEveryDraw) {
    TestWindow w;
    const struct {
        decltype(&NumeroCasuale) draw;
        int hour, minute, second;
        float u;
        int K, r;
    } rows[] = {
        {NumeroCasuale, 0, 0, 30, 0.0f, 10, 6},           // floor(-4.92) = -5, then -5 - floor(-0.5) x 10 + 1
        {NumeroCasuale, 0, 10, 20, 0.5f, 13, 5},          // floor(13 x 0.3388) = 4
        {NumeroCasualeOra, 3, 0, 0, 0.0f, 10, 9},         // the splash's variant: the hour over 25, floor(-1.2) = -2
        {NumeroCasuale, 6, 10, 30, 0.5f, 10, 2},          // the second, not the hour: 1.75 (4.27 by the hour)
        {NumeroCasualeOra, 6, 10, 30, 0.5f, 10, 5},       // the hour, not the second; both terms would give 10
        {NumeroCasuale, 23, 0, 59, 0.0f, 32767, 1075},    // floor(-31692.7), wrapped into 1..K
        {NumeroCasualeOra, 0, 59, 0, 0.99999994f, 1, 1},  // floor(1.98), wrapped back to 1
        {NumeroCasuale, 0, 18, 0, 0.99999994f, 10, 3},    // 12.9999994, which single precision rounds to 13
        {NumeroCasuale, 0, 0, 0, 0.0f, 60, 1},            // and the same u a minute on:
        {NumeroCasuale, 0, 1, 0, 0.0f, 60, 2},
    };
    for (const auto& row : rows) {
        w.hp.clock.setTimeOfDay(row.hour, row.minute, row.second);
        w.hp.random.push({row.u});
        EXPECT_EQ(row.draw(w.f, row.K), row.r) << row.K << " at " << row.hour << ":" << row.minute << ":" << row.second;
    }
    EXPECT_TRUE(raises(ErrorCode::DivisionByZero, [&] { NumeroCasuale(w.f, 0); }));
}

// Song forms 2, 5 and 9 on with weights 3, 0 and 4: ranges 1-3, 4-3 (empty), 4-7.
TEST(EstrazionePesata, KeepsSourceOrderAndNeverDrawsAWeightOfZero) {
    TestWindow w({.seed = 1, .clock = {0, 0, 0}});
    setSwitches(w.f.lblInciso, 1, 15, false);
    for (int i : {2, 5, 9}) w.f.lblInciso[i].BackColor = ColoreAcceso;
    w.f.lblFreqIncisi[2].Caption = "3";
    w.f.lblFreqIncisi[5].Caption = "0";
    w.f.lblFreqIncisi[9].Caption = "4";
    const char* expected[8] = {"", "AAAB", "AAAB", "AAAB", "AABC", "AABC", "AABC", "AABC"};
    for (int r = 1; r <= 7; ++r) {
        w.hp.random.push({uFor(r, 7)});
        cmdScegliInciso_Click(w.f);
        EXPECT_EQ(w.f.lblInciso[23].Caption, expected[r]) << r;
        EXPECT_EQ(w.f.lblMinScelta[16].Caption, std::to_string(r));
    }
    EXPECT_EQ(joined(w.f.lblInciso, 24, 27), "A|A|B|C");
}

TEST(EstrazionePesata, ABadWeightIsTheRunTimeError) {
    TestWindow w;
    w.f.lblFreqIncisi[3].Caption = "1.5";
    EXPECT_TRUE(raises(ErrorCode::TypeMismatch, [&] { cmdScegliInciso_Click(w.f); }));
    w.f.lblFreqIncisi[3].Caption = w.f.lblFreqIncisi[4].Caption = "30000";
    EXPECT_TRUE(raises(ErrorCode::Overflow, [&] { cmdScegliInciso_Click(w.f); }));
}

// Each way a settings table can leave a draw with nothing to draw from; every
// one must stop with an error that names its table, before any number is drawn
// from it and without changing a setting.
TEST(DrawWithoutWeight, StopsWithAnErrorNamingTheTable) {
    auto zero = [](ControlArray<Label> frmKeloTrundo15::*table, int lo, int hi) {
        return [=](frmKeloTrundo15& f) {
            for (int i = lo; i <= hi; ++i)
                if ((f.*table)[i].Caption != "X") (f.*table)[i].Caption = "0";
        };
    };
    const std::pair<const char*, std::function<void(frmKeloTrundo15&)>> cases[] = {
        {"lblFreqIncisi", zero(&frmKeloTrundo15::lblFreqIncisi, 1, 15)},
        {"lblFreCad", [](frmKeloTrundo15& f) { setSwitches(f.lblCadenza, 1, 13, false); }},
        {"lblFreCad", zero(&frmKeloTrundo15::lblFreCad, 1, 13)},
        {"lblFreqInc", zero(&frmKeloTrundo15::lblFreqInc, 1, 13)},
        {"lblFreIncB", zero(&frmKeloTrundo15::lblFreIncB, 1, 13)},
        {"lblAccordi", zero(&frmKeloTrundo15::lblAccordi, 1, 3)},  // the row of DO+
        {"lblNotafinale",
         [&](frmKeloTrundo15& f) {
             zero(&frmKeloTrundo15::lblNotafinale, 1, 4)(f);
             // a whole note at half-bar 15 would skip the final-note draw
             f.lblModuloB[1].BackColor = ColoreSpento;
             f.lblFreIncB[25].Caption = "12";
         }},
        {"lblNota", zero(&frmKeloTrundo15::lblNota, 1, 130)},
    };
    for (const auto& [table, prepare] : cases)
        for (uint64_t seed = 1; seed <= 20; ++seed) {
            TestWindow w({.seed = seed});
            prepare(w.f);
            auto before = settingsSnapshot(w.f);
            EXPECT_TRUE(raises(
                ErrorCode::InvalidCall, [&] { cmdIncisi_Click(w.f); }, table))
                << table;
            EXPECT_EQ(settingsSnapshot(w.f), before) << table;
        }

    TestWindow w;
    zero(&frmKeloTrundo15::lblFreqIncisi, 1, 15)(w.f);
    const int drawn = w.hp.random.drawn;
    EXPECT_THROW(cmdScegliInciso_Click(w.f), RuntimeError);
    EXPECT_EQ(w.hp.random.drawn, drawn);  // the generator was never asked
    EXPECT_EQ(w.f.lblMaxScelta[16].Caption, "0");
}
