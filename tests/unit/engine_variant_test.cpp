// Variants of the melody on the score, made through the label "Var".
#include "player_test_support.h"

using namespace kelo;
using namespace kelo::playertest;
using Variant = Player;

TEST_F(Variant, KeepsTheShapeRelinksTheNotesAndIsTitledAfterTheMelodyItVaries) {
    auto shape = [&] {  // form, modules, rhythm, chords, pivots and cadence
        return joined(f.lblInciso, 23, 27) + joined(f.lblMod, 1, 8) + joined(f.lblDueQuarti, 1, 16) +
               joined(f.lblArmonie, 1, 16) + joined(f.lblPerno, 1, 16) + f.lblCadenza[14].Caption;
    };
    f.lblFreqIncisi[0].BackColor = ColoreSpento;  // "Copy" off: nothing may move a section
    ASSERT_TRUE(deliverClick(f.cmdIncisi));
    p.hp.advance(16 * 105);
    const std::string title = f.TxtTitolo.Text, kept = shape(), notes = joined(f.lblMelos, 1, 32);
    // Counter and title put there before the press ("" for none), and the title the variant gets.
    // A melody loaded from a record comes with the counter at "0" and its own title.
    const std::array<std::string, 3> cases[] = {{"", "", title + " - Var. 1"},
                                                {"", "", title + " - Var. 2"},
                                                {"", "", title + " - Var. 3"},
                                                {"0", "Dal file", "Dal file - Var. 1"},
                                                {"32767", "Dal file - Var. 32767", "Dal file - Var. 32768"}};
    bool relinked = false;
    for (const auto& [counter, shown, expected] : cases) {
        if (!counter.empty()) f.lblNumeroVariante.Caption = counter, f.TxtTitolo.Text = shown;
        f.lblRipetizioni.Caption = "1";
        for (int j = 2; j <= 12; ++j) f.lblAccomp[j].Caption = "7";  // a code the composer never chooses
        ASSERT_TRUE(deliverMouseDown(f.lblVariante));
        // No comment, the repeat counter kept, the piece stopped, "Var" off until the reveal ends.
        EXPECT_EQ(f.lblKeloPrecedente.BackColor, ColoreKeloPronto);
        EXPECT_EQ(f.lblRipetizioni.Caption + f.lblPulsante[3].Caption, "1>");
        EXPECT_FALSE(f.TmrAudio.Enabled() || f.lblVariante.Enabled || f.cmdIncisi.Enabled);
        EXPECT_EQ(f.lblVariante.BackColor, ColoreAcceso);  // lit while the variant is revealed
        p.hp.advance(16 * 105);
        EXPECT_EQ(shape(), kept);
        EXPECT_EQ(f.TxtTitolo.Text, expected);
        EXPECT_EQ(joined(f.lblAccomp, 2, 12).find('7'), std::string::npos) << joined(f.lblAccomp, 2, 12);
        relinked = relinked || joined(f.lblMelos, 1, 32) != notes;
    }
    EXPECT_TRUE(relinked && f.lblVariante.Enabled);
    ASSERT_TRUE(deliverClick(f.cmdIncisi));
    EXPECT_EQ(f.lblNumeroVariante.Caption, "0");
    EXPECT_EQ(f.lblNumeroVariante.BackColor, ColoreSpento);
}
