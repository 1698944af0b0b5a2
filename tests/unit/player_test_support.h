#pragma once
// The whole program after the greeting, with melodies set by hand as the composer
// or a melody record leaves them, and the dialogs of the file label-buttons answered.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "platform/dispatch.h"
#include "support/cells.h"
#include "support/headless_program.h"
#include "support/test_window.h"
#include "support/window_snapshot.h"

namespace kelo::playertest {

namespace fs = std::filesystem;
using kelo::support::readFile;
using support::joined;
using support::setColumn;

struct Player : ::testing::Test {
    support::HeadlessProgram p{"player"};
    frmKeloTrundo15& f = p.f;
    fs::path melodie = p.dir / "Kelo 2020" / "Melodie";
    fs::path profili = p.dir / "Kelo 2020" / "Impostazioni";

    void SetUp() override { p.startAndGreet(); }
    std::string state() const { return support::windowState(f); }
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
    // A press of lblPuls(i) whose dialog answers `answer`, or is cancelled.
    void press(int i, const std::optional<fs::path>& answer) {
        p.hp.dialogs.answer(answer ? std::optional<std::string>(answer->string()) : std::nullopt);
        ASSERT_TRUE(deliverClick(f.lblPuls[i]));
    }
    // A new melody, revealed and stopped at once: the file buttons are back.
    void composeAndStop() {
        ASSERT_TRUE(deliverClick(f.cmdIncisi));
        p.hp.advance(16 * 105);
        ASSERT_TRUE(deliverClick(f.lblPulsante[3]));
    }
};

}  // namespace kelo::playertest
