#pragma once
// The whole program after the greeting, with the dialogs of the four file
// label-buttons answered by the test, and a melody that puts every kind of field
// of the melody record to the test.
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

inline std::string lfOnly(const std::string& s) {
    std::string out;
    for (char c : s)
        if (c != '\r') out += c;
    return out;
}

// A file for a load button, and the line that refuses it (0: it loads).
struct FileCase {
    const char* what;
    std::string content;
    int line;
};

struct Records : ::testing::Test {
    testing::HeadlessProgram p{"records"};
    frmKeloTrundo15& f = p.f;
    fs::path melodie = p.dir / "Kelo 2020" / "Melodie";
    fs::path profili = p.dir / "Kelo 2020" / "Impostazioni";

    void SetUp() override { p.startAndGreet(); }

    // A press of lblPuls(i) whose dialog answers `answer`, or is cancelled.
    void press(int i, const std::optional<fs::path>& answer) {
        p.hp.dialogs.answer(answer ? std::optional<std::string>(answer->string()) : std::nullopt);
        ASSERT_TRUE(deliverClick(f.lblPuls[i]));
    }
    std::string state() const { return testing::windowState(f); }
    // `file` written with `content` and loaded through button `i`; what the window showed before.
    std::string load(int i, const fs::path& file, const std::string& content) {
        p.hp.display.messages.clear();
        std::ofstream(file, std::ios::binary) << content;
        std::string before = state();
        press(i, file);
        return before;
    }
    // A refused file: one message that names it and the line, and nothing changed.
    void expectRefused(const fs::path& file, int line, const std::string& before) {
        ASSERT_EQ(p.hp.display.messages.size(), 1u);
        const std::string& msg = p.hp.display.messages[0];
        EXPECT_NE(msg.find(file.string()), std::string::npos) << msg;
        EXPECT_NE(msg.find("riga " + std::to_string(line) + ":"), std::string::npos) << msg;
        EXPECT_EQ(state(), before);
    }

    // Accented and quoted title, codes "3" and "1" with the steps only a record
    // brings, accompaniment codes 13..19, chord names hidden and shown, "Random" on.
    void awkwardMelody() {
        f.TxtTitolo.Text = "Città \"d'oro\" – Var. 2";
        f.TxtCompositore.Text = "di Kelo-trundo 2020";
        f.lblVeloc[0].Caption = "5";
        f.lblVeloc[4].Caption = "114";
        f.TmrAudio.SetInterval(345);
        f.lblPulsante[5].BackColor = ColoreAcceso;
        f.lblCadenza[14].Caption = "DO SOL SOL DO";
        const char* form[] = {"ABAC", "A", "B", "A", "C"};
        for (int i = 0; i < 5; ++i) f.lblInciso[23 + i].Caption = form[i];
        setColumn(f.lblAccomp, "1||13|14|15|16|17|18|19||2|||12|9|1");
        setColumn(f.lblMod, "4|2 2|2 1 1|RP 2|1 1 1 1|1 1 1 1|1 1 1 1|1 1 1 1");
        setColumn(f.lblDueQuarti, "3|0|1|RP" + rep(12, "|1 1"));
        setColumn(f.lblPerno, "DO||RE|SOL" + rep(12, "|FA"));
        setColumn(f.lblMelos, "DO|||MI||RE|SOL|LA" + rep(12, "|FA|SOL"));
        setColumn(f.lblStep, "DO|-|-|MI|-|-|-|-|||RE|-|SOL|-|-|LA" + rep(12, "|FA|-|SOL|-"));
        setColumn(f.lblArmonie, "DO+|DO+|SOL+|SOL+" + rep(12, "|FA+"));
        for (int k = 1; k <= 16; ++k) f.lblArmonie[k].Visible = k == 1 || k == 3 || k == 5 || k == 16;
        f.lblModo.Caption = "m";
    }
};

}  // namespace kelo::recordstest
