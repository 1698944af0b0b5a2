#pragma once
// The whole program after the greeting, with melodies set by hand as the composer
// or a melody record leaves them.
#include <gtest/gtest.h>

#include "engine_test_support.h"
#include "support/headless_program.h"

namespace kelo::playertest {

using enginetest::joined;
using enginetest::setColumn;

struct Player : ::testing::Test {
    testing::HeadlessProgram p{"player"};
    frmKeloTrundo15& f = p.f;
    void SetUp() override { p.startAndGreet(); }
    // Rhythm codes and accompaniment per half-bar, pitches per note slot, each as "a|b|c".
    void melody(const std::string& codes, const std::string& notes, const std::string& accomp = "") {
        setColumn(f.lblDueQuarti, codes);
        setColumn(f.lblMelos, notes);
        setColumn(f.lblAccomp, accomp);
        f.lblInciso[27].Caption = "A";  // a melody exists
    }
    std::vector<SoundEvent> soundsSince(size_t from) const {
        return {p.hp.sound.events.begin() + static_cast<std::ptrdiff_t>(from), p.hp.sound.events.end()};
    }
};

}  // namespace kelo::playertest
