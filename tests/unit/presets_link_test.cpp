#include <gtest/gtest.h>

#include <string>

#include "engine/link_cases.h"
#include "model/main_window.h"
#include "platform/headless/headless_platform.h"
#include "presets/link_presets.h"

using namespace kelo;

// Every filling writes each bank cell from its own rule, keeps the structural
// "X" (a figure the case lacks, or a row no pivot can reach) and touches nothing
// but bank captions, whatever the bank held before.
TEST(LinkPresets, FillingsWriteEveryBankCellAndNothingElse) {
    HeadlessPlatform hp;
    frmKeloTrundo15 f(hp.platform);
    using Filling = void (*)(frmKeloTrundo15&);
    struct Case {
        const char* name;
        Filling fill;
        std::function<std::string(int, int, int)> open;  // caption of a cell that is not structural
    } fillings[] = {
        {"factory", ImpostaCollegamentiDefault,
         [](int n, int r, int c) {
             int w = factoryLinkWeight(n, r, c);
             return w ? std::to_string(w) : std::string("X");
         }},
        {"uniform", ImpostaCollegamentiUniformi, [](int, int, int) { return std::string("1"); }},
        {"empty", AzzeraCollegamenti, [](int, int, int) { return std::string(); }},
    };
    for (const Case& k : fillings) {
        for (int i = 0; i <= 1120; ++i) f.lblCollegamento[i].Caption = "junk";
        f.lblCollegamento[500].Enabled = false;
        f.lblCollegamento[7].BackColor = 0x123456;
        k.fill(f);
        int structural = 0;
        for (int n = 1; n <= 13; ++n)
            for (int r = 1; r <= 10; ++r)
                for (int c = 1; c <= 8; ++c) {
                    bool fixed = isStructuralLinkCell(n, r, c);
                    structural += fixed;
                    // A figure the case lacks is always structural.
                    bool lacking = *kLinkCases[static_cast<size_t>(n - 1)].first[static_cast<size_t>(c - 1)] == '\0';
                    EXPECT_TRUE(fixed || !lacking) << n << " " << r << " " << c;
                    const std::string& cell = f.lblCollegamento[80 * n + 8 * (r - 1) + c].Caption;
                    EXPECT_EQ(cell, fixed ? "X" : k.open(n, r, c)) << k.name << " " << n << " " << r << " " << c;
                }
        EXPECT_EQ(structural, 193);
        for (int i = 0; i <= 80; ++i) EXPECT_EQ(f.lblCollegamento[i].Caption, "junk") << k.name << " page " << i;
        EXPECT_FALSE(f.lblCollegamento[500].Enabled) << k.name;
        EXPECT_EQ(f.lblCollegamento[7].BackColor, 0x123456u) << k.name;
    }
}
