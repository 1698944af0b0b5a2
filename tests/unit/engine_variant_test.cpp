// Variants of the melody on the score, made through the label "Var".
#include "platform/dispatch.h"
#include "player_test_support.h"

using namespace kelo;
using namespace kelo::playertest;

namespace {

struct Variant : Player {
    void revealed() { p.hp.advance(16 * 105); }
    void compose() {
        ASSERT_TRUE(deliverClick(f.cmdIncisi));
        revealed();
    }
    void vary() {
        ASSERT_TRUE(deliverMouseDown(f.lblVariante));
        EXPECT_TRUE(f.lblVariante.BackColor == ColoreAcceso && !f.lblVariante.Enabled);
        revealed();
    }
    // What a variant keeps: form, modules, rhythm, chords, pivots and cadence.
    std::string shape() {
        return joined(f.lblInciso, 23, 27) + joined(f.lblMod, 1, 8) + joined(f.lblDueQuarti, 1, 16) +
               joined(f.lblArmonie, 1, 16) + joined(f.lblPerno, 1, 16) + f.lblCadenza[14].Caption;
    }
};

TEST_F(Variant, KeepsTheShapeRelinksTheNotesAndNumbersTheTitleUntilTheNextComposition) {
    f.lblFreqIncisi[0].BackColor = ColoreSpento;  // "Copy" off: nothing may move a section
    compose();
    const std::string title = f.TxtTitolo.Text, kept = shape(), notes = joined(f.lblMelos, 1, 32);
    bool relinked = false;
    for (int n = 1; n <= 3; ++n) {
        f.lblRipetizioni.Caption = "1";
        ASSERT_TRUE(deliverMouseDown(f.lblVariante));
        // No comment and the repeat counter kept; the piece playing has stopped.
        EXPECT_EQ(f.lblKeloPrecedente.BackColor, ColoreKeloPronto);
        EXPECT_EQ(f.lblRipetizioni.Caption + f.lblPulsante[3].Caption, "1>");
        EXPECT_FALSE(f.TmrAudio.Enabled() || f.lblVariante.Enabled || f.cmdIncisi.Enabled);
        revealed();
        EXPECT_EQ(shape(), kept) << n;
        EXPECT_EQ(f.TxtTitolo.Text, title + " - Var. " + std::to_string(n));
        EXPECT_TRUE(f.lblVariante.Enabled && f.TmrAudio.Enabled());
        for (int j = 1; j <= 16; ++j)
            if (f.lblDueQuarti[j].Caption == "2") EXPECT_EQ(f.lblMelos[2 * j - 1].Caption, f.lblPerno[j].Caption) << j;
        relinked = relinked || joined(f.lblMelos, 1, 32) != notes;
    }
    EXPECT_TRUE(relinked);
    compose();
    EXPECT_EQ(f.lblNumeroVariante.Caption, "0");
    EXPECT_EQ(f.lblNumeroVariante.BackColor, ColoreSpento);
    EXPECT_EQ(f.TxtTitolo.Text.find(" - Var. "), std::string::npos) << f.TxtTitolo.Text;
}

TEST_F(Variant, IsTitledAfterTheMelodyItVariesAndCountsPastSixteenBits) {
    struct Case {
        const char* counter;
        Colour mark;
        const char* titleShown;
        const char* expected;
    };
    const Case cases[] = {
        {"0", ColoreSpento, "Dal file", "Dal file - Var. 1"},  // a melody loaded from a record
        {"2", ColoreRosso, "Base - Var. 2", "Base - Var. 3"},
        {"32767", ColoreRosso, "Base - Var. 32767", "Base - Var. 32768"},
    };
    compose();
    for (const Case& c : cases) {
        f.lblNumeroVariante.Caption = c.counter;
        f.lblNumeroVariante.BackColor = c.mark;
        f.lblCopiaTitolo.Caption = "Base";
        f.TxtTitolo.Text = c.titleShown;
        vary();
        EXPECT_EQ(f.TxtTitolo.Text, c.expected);
    }
}

TEST_F(Variant, LeavesNoStaleAccompanimentWhereTheNewChoiceStrikesNothing) {
    f.lblRip.Caption = "16";  // a section copy whenever the form has one
    compose();
    for (int n = 0; n < 8; ++n) {
        for (int j = 2; j <= 12; ++j) f.lblAccomp[j].Caption = "7";  // a code the composer never chooses
        vary();
        EXPECT_EQ(joined(f.lblAccomp, 2, 12).find('7'), std::string::npos) << joined(f.lblAccomp, 2, 12);
    }
}

}  // namespace
