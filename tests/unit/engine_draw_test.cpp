// The two shared draws and the guard that keeps a weighted draw with nothing to
// draw from away from NumeroCasuale.
#include <gtest/gtest.h>

#include "app/compose_button.h"
#include "engine/harmony.h"
#include "engine/song_form.h"
#include "engine/weighted_draw.h"
#include "engine_test_support.h"
#include "model/random_draw.h"

using namespace kelo;
using namespace kelo::enginetest;

TEST(NumeroCasuale, OneIsAlwaysOne) {
    EngineWindow w;
    for (int minute : {0, 30, 59})
        for (int second : {0, 29, 59}) {
            w.hp.clock.setTimeOfDay(3, minute, second);
            w.hp.random.push({0.0f, 0.5f, 0.99999994f});
            for (int i = 0; i < 3; ++i) EXPECT_EQ(NumeroCasuale(w.f, 1), 1);
        }
}

TEST(NumeroCasuale, StaysWithinOneToKAlsoWhenTheInnerValueIsNegative) {
    EngineWindow w;
    for (int K : {2, 3, 6, 7, 10, 12, 16, 56, 208, 32767})
        for (int minute : {0, 1, 59})
            for (int second : {0, 30, 59})
                for (float u : {0.0f, 1e-7f, 0.25f, 0.5f, 0.99999994f}) {
                    w.hp.clock.setTimeOfDay(0, minute, second);
                    w.hp.random.push({u});
                    int r = NumeroCasuale(w.f, K);
                    EXPECT_GE(r, 1) << K << " " << minute << ":" << second << " u=" << u;
                    EXPECT_LE(r, K) << K << " " << minute << ":" << second << " u=" << u;
                }
}

TEST(NumeroCasuale, FollowsTheRuleWithBothFloors) {
    EngineWindow w;
    // u = 0, m = 0, s = 30, K = 10: floor(-4.92) = -5, then -5 - floor(-0.5) x 10 + 1 = 6.
    w.hp.clock.setTimeOfDay(0, 0, 30);
    w.hp.random.push({0.0f});
    EXPECT_EQ(NumeroCasuale(w.f, 10), 6);
    // u = 0.5, m = 10, s = 20, K = 13: floor(13 x 0.3388) = 4, so 5.
    w.hp.clock.setTimeOfDay(0, 10, 20);
    w.hp.random.push({0.5f});
    EXPECT_EQ(NumeroCasuale(w.f, 13), 5);
}

TEST(NumeroCasuale, ReadsTheClockAtEveryDraw) {
    EngineWindow w;
    w.hp.clock.setTimeOfDay(0, 0, 0);
    w.hp.random.push({0.0f, 0.0f});
    EXPECT_EQ(NumeroCasuale(w.f, 60), 1);
    w.hp.clock.setTimeOfDay(0, 1, 0);
    EXPECT_EQ(NumeroCasuale(w.f, 60), 2);
}

TEST(NumeroCasuale, ZeroIsTheDivisionByZeroError) {
    EngineWindow w;
    try {
        NumeroCasuale(w.f, 0);
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), ErrorCode::DivisionByZero);
    }
}

// Song forms 2, 5 and 9 on with weights 3, 0 and 4: ranges 1-3, 4-3 (empty), 4-7.
TEST(EstrazionePesata, KeepsSourceOrderAndNeverDrawsAWeightOfZero) {
    EngineWindow w(1, 0, 0, 0);
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
    EXPECT_EQ(w.f.lblScelta[1].Caption, "AAAB");
    EXPECT_EQ(w.f.lblScelta[2].Caption, "AABB");
    EXPECT_EQ(w.f.lblScelta[3].Caption, "AABC");
    EXPECT_EQ(w.f.lblScelta[4].Caption, "");
    EXPECT_EQ(w.f.lblMinScelta[2].Caption, "4");
    EXPECT_EQ(w.f.lblMaxScelta[2].Caption, "3");
    EXPECT_EQ(w.f.lblMaxScelta[0].Caption, "0");
    EXPECT_EQ(w.f.lblMaxScelta[16].Caption, "7");
    EXPECT_EQ(w.f.lblInciso[25].Caption, "A");
    EXPECT_EQ(w.f.lblInciso[26].Caption, "B");
    EXPECT_EQ(w.f.lblInciso[27].Caption, "C");
    EXPECT_EQ(w.f.lblInciso[24].Caption, "A");
}

TEST(EstrazionePesata, ABadWeightIsTheRunTimeError) {
    EngineWindow w;
    w.f.lblFreqIncisi[3].Caption = "1.5";
    EXPECT_THROW(cmdScegliInciso_Click(w.f), RuntimeError);
    w.f.lblFreqIncisi[3].Caption = "30000";
    w.f.lblFreqIncisi[4].Caption = "30000";
    try {
        cmdScegliInciso_Click(w.f);
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), ErrorCode::Overflow);
    }
}

// Each way a settings table can leave a draw with nothing to draw from; every
// one must stop with an error that names its table, before any number is drawn
// from it and without changing a setting.
struct EmptyDraw {
    const char* name;
    const char* table;
    std::function<void(frmKeloTrundo15&)> prepare;
};

class DrawWithoutWeight : public ::testing::TestWithParam<EmptyDraw> {};

TEST_P(DrawWithoutWeight, StopsWithAnErrorNamingTheTable) {
    const EmptyDraw& d = GetParam();
    for (uint64_t seed = 1; seed <= 20; ++seed) {
        EngineWindow w(seed);
        d.prepare(w.f);
        auto before = settingsSnapshot(w.f);
        try {
            cmdIncisi_Click(w.f);
            FAIL() << "composed without a weight in " << d.table;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.code(), ErrorCode::InvalidCall);
            EXPECT_NE(std::string(e.what()).find(d.table), std::string::npos) << e.what();
        }
        EXPECT_EQ(settingsSnapshot(w.f), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Engine, DrawWithoutWeight,
    ::testing::Values(
        EmptyDraw{"SongFormWeights", "lblFreqIncisi",
                  [](frmKeloTrundo15& f) {
                      for (int i = 1; i <= 15; ++i) f.lblFreqIncisi[i].Caption = "0";
                  }},
        EmptyDraw{"NoCadenceOn", "lblFreCad", [](frmKeloTrundo15& f) { setSwitches(f.lblCadenza, 1, 13, false); }},
        EmptyDraw{"CadenceWeights", "lblFreCad",
                  [](frmKeloTrundo15& f) {
                      for (int i = 1; i <= 13; ++i) f.lblFreCad[i].Caption = "0";
                  }},
        EmptyDraw{"FirstModuleWeights", "lblFreqInc",
                  [](frmKeloTrundo15& f) {
                      for (int i = 1; i <= 13; ++i) f.lblFreqInc[i].Caption = "0";
                  }},
        EmptyDraw{"SecondModuleWeights", "lblFreIncB",
                  [](frmKeloTrundo15& f) {
                      for (int i = 1; i <= 13; ++i) f.lblFreIncB[i].Caption = "0";
                  }},
        EmptyDraw{"ChordRowOfDO", "lblAccordi",
                  [](frmKeloTrundo15& f) {
                      for (int i = 1; i <= 3; ++i) f.lblAccordi[i].Caption = "0";
                  }},
        EmptyDraw{"FinalNotes", "lblNotafinale",
                  [](frmKeloTrundo15& f) {
                      for (int i = 1; i <= 4; ++i) f.lblNotafinale[i].Caption = "0";
                      // a whole note at half-bar 15 would skip the final-note draw
                      f.lblModuloB[1].BackColor = ColoreSpento;
                      f.lblFreIncB[25].Caption = "12";
                  }},
        EmptyDraw{"PivotWeights", "lblNota",
                  [](frmKeloTrundo15& f) {
                      for (int i = 1; i <= 130; ++i)
                          if (f.lblNota[i].Caption != "X") f.lblNota[i].Caption = "0";
                  }}),
    [](const ::testing::TestParamInfo<EmptyDraw>& i) { return std::string(i.param.name); });

TEST(DrawWithoutWeight, NeverReachesTheGenerator) {
    EngineWindow w;
    for (int i = 1; i <= 15; ++i) w.f.lblFreqIncisi[i].Caption = "0";
    int drawn = w.hp.random.drawn;
    EXPECT_THROW(cmdScegliInciso_Click(w.f), RuntimeError);
    EXPECT_EQ(w.hp.random.drawn, drawn);
    EXPECT_EQ(w.f.lblMaxScelta[16].Caption, "0");
}
