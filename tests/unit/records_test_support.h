#pragma once
// The whole program after the greeting, with the dialogs of the four file
// label-buttons answered by the test.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "engine_test_support.h"
#include "model/record_files.h"
#include "platform/dispatch.h"
#include "support/headless_program.h"
#include "support/window_state.h"

namespace kelo::recordstest {

namespace fs = std::filesystem;
using enginetest::joined;
using enginetest::setColumn;
using kelo::testing::readFile;

inline std::string rep(int n, const std::string& s) {
    std::string out;
    while (n-- > 0) out += s;
    return out;
}

struct Records : ::testing::Test {
    testing::HeadlessProgram p{"records"};
    frmKeloTrundo15& f = p.f;
    fs::path melodie = p.dir / "Kelo 2020" / "Melodie";
    fs::path profili = p.dir / "Kelo 2020" / "Impostazioni";

    void SetUp() override { p.startAndGreet(); }
    std::string state() const { return testing::windowState(f); }

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

}  // namespace kelo::recordstest
