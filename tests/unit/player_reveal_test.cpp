// The reveal of a new melody on the staff and the end that gives the window back.
#include "platform/dispatch.h"
#include "player/score_display.h"
#include "player_test_support.h"

using namespace kelo;
using namespace kelo::playertest;

namespace {
using Reveal = Player;
const std::string kGrafica = "Kelo 2020\\Grafica\\";
}  // namespace

TEST_F(Reveal, DrawsHalfBarSAtTickSAndGivesTheWindowBackOnTheSixteenth) {
    for (int k = 1; k <= 36; ++k) f.ImgNota[k].Picture = "old";
    ASSERT_TRUE(deliverClick(f.cmdIncisi));
    auto drawn = [&] {
        int n = 0;
        while (n < 36 && f.ImgNota[n + 1].Picture != "old") ++n;
        return n;
    };
    for (int s = 1; s <= 16; ++s) {
        EXPECT_FALSE(f.cmdIncisi.Enabled || f.TmrAudio.Enabled()) << s;
        p.hp.advance(104);
        EXPECT_EQ(drawn(), 2 * (s - 1));
        p.hp.advance(1);
        EXPECT_EQ(drawn(), 2 * s);
    }
    EXPECT_FALSE(f.FraStoComponendo.Visible || f.TmrMostraMelodia.Enabled());
    EXPECT_EQ(f.ActiveControl, &f.cmdIncisi);
    EXPECT_TRUE(f.cmdIncisi.Enabled && f.TxtCompositore.Visible && f.lblVariante.Enabled);
    EXPECT_TRUE(f.lblPulsante[0].Enabled && f.lblPulsante[2].Enabled && f.lblPulsante[3].Enabled);
    EXPECT_EQ(f.lblKeloPrecedente.BackColor, ColoreKeloPronto);
    EXPECT_EQ(f.lblAccomp[1].Caption, "1");  // chosen before playback
    EXPECT_EQ(f.lblPulsante[3].Caption, "O");
    EXPECT_TRUE(f.TmrAudio.Enabled());
    EXPECT_TRUE(p.hp.display.messages.empty());

    // A new melody gets a new title; a variant keeps the one it has.
    const std::string title = f.TxtTitolo.Text;
    EXPECT_NE(title, "Buongiorno, signori!");
    EXPECT_NE(f.lblTipologiaTitolo.Caption, "0");
    f.lblNumeroVariante.BackColor = ColoreRosso;
    f.lblStoComponendo.Caption = "16";
    TmrMostraMelodia_Timer(f);
    EXPECT_EQ(f.TxtTitolo.Text, title);
}

TEST_F(Reveal, NamesOnePictureForEveryCodeAndPitchAndEmptyStaffForWhatItDoesNotKnow) {
    struct Case {
        const char* code;
        const char* first;  // a note shape, or the picture itself
        const char* second;
    };
    const Case cases[] = {{"0", "vuoto.jpg", "vuoto.jpg"}, {"1", "vuoto.jpg", "1"},    {"2", "2", "vuoto.jpg"},
                          {"3", "3", "vuoto.jpg"},         {"4", "4", "vuoto.jpg"},    {"RP", "1p", "c"},
                          {"1 P", "1", "pausa.jpg"},       {"P 1", "pausa.jpg", "1"}, {"1 1", "1", "1"},
                          {"2 2", "vuoto.jpg", "vuoto.jpg"}};
    std::vector<std::string> pitches(kPitchNames.begin(), kPitchNames.end());
    pitches.insert(pitches.end(), {"", "Sol", "X"});
    for (const Case& c : cases) {
        for (const std::string& pitch : pitches) {
            auto expected = [&](std::string box) {
                if (box.ends_with(".jpg")) return kGrafica + box;
                if (pitchNumber(pitch) == 0) return kGrafica + "vuoto.jpg";
                return kGrafica + pitch + (pitch == "si" ? "_" : " ") + box + ".jpg";
            };
            f.ImgNota[5].Picture = f.ImgNota[6].Picture = "old";
            f.lblDueQuarti[3].Caption = c.code;
            f.lblMelos[5].Caption = f.lblMelos[6].Caption = pitch;
            f.lblStoComponendo.Caption = "3";
            f.lblIncrementa.Caption = "2";
            MostraFigureNote(f);
            EXPECT_EQ(f.ImgNota[5].Picture + " + " + f.ImgNota[6].Picture,
                      expected(c.first) + " + " + expected(c.second));
            EXPECT_EQ(f.lblIncrementa.Caption + f.lblStoComponendo.Caption, "33");
        }
    }
    EXPECT_TRUE(p.hp.display.messages.empty()) << p.hp.display.messages.front();
}

TEST_F(Reveal, NeverDrawsIntoTheClefBoxesAndStopsWhenItRunsPastSixteen) {
    melody("1 1|1 1|1 1|1 1|1 1|1 1|1 1|1 1|1 1|1 1|1 1|1 1|1 1|1 1|1 1|1 1", "");
    for (int k = 1; k <= 36; ++k) f.ImgNota[k].Picture = "old";
    f.lblStoComponendo.Caption = "16";
    f.lblIncrementa.Caption = "16";  // slots 32 and 33
    MostraFigureNote(f);
    EXPECT_EQ(f.ImgNota[32].Picture, kGrafica + "vuoto.jpg");
    f.lblStoComponendo.Caption = "17";
    f.lblIncrementa.Caption = "0";
    f.TmrMostraMelodia.SetEnabled(true);
    p.hp.advance(105);
    EXPECT_FALSE(f.TmrMostraMelodia.Enabled());
    for (int k = 1; k <= 36; ++k) EXPECT_EQ(f.ImgNota[k].Picture, k == 32 ? kGrafica + "vuoto.jpg" : "old") << k;
}

TEST_F(Reveal, PrintsAChordNameWhereTheChordChangesAndEndsAHalfNoteOnDo) {
    struct Case {
        const char* chords;
        const char* last;  // rhythm code of half-bar 16
        const char* shown;
    };
    const Case cases[] = {
        {"DO+|DO+|FA+|FA+|SOL+|SOL+|DO+|||FA+|FA+|DO+|SOL+|SOL+|FA+|DO+", "2",
         "DO+||FA+||SOL+||DO+|||FA+||DO+|SOL+||FA+|DO+"},
        {"DO+|FA+|FA+|FA+|FA+|FA+|FA+|FA+|FA+|FA+|FA+|FA+|DO+|SOL+|SOL+|SOL+", "2",
         "DO+|FA+|||||||||||DO+|SOL+||DO+"},
        {"DO+|FA+|FA+|FA+|FA+|FA+|FA+|FA+|FA+|FA+|FA+|FA+|DO+|SOL+|SOL+|SOL+", "1 1",
         "DO+|FA+|||||||||||DO+|SOL+||"},
        {"DO+|||||||||||||SOL+|SOL+|", "2", "DO+|||||||||||||SOL+||DO+"},
    };
    for (const Case& c : cases) {
        melody("2|2|2|2|2|2|2|2|2|2|2|2|2|2|2|" + std::string(c.last), "DO");
        setColumn(f.lblArmonie, c.chords);
        for (int j = 1; j <= 16; ++j) f.lblArmonie[j].Visible = false;
        f.lblMem.Caption.clear();
        f.lblStoComponendo.Caption = "16";
        f.lblIncrementa.Caption = "15";
        TmrMostraMelodia_Timer(f);
        std::string shown;
        for (int j = 1; j <= 16; ++j)
            shown += (j > 1 ? "|" : "") + (f.lblArmonie[j].Visible ? f.lblArmonie[j].Caption : "");
        EXPECT_EQ(shown, c.shown) << c.chords;
    }
}

TEST_F(Reveal, ALoadedMelodyShowsTheChordNamesItsRecordMarks) {
    melody("2|2|2|2|2|2|2|2|2|2|2|2|2|2|2|2", "DO", "1");
    f.TxtTitolo.Text = "Dal file";
    for (int j = 1; j <= 16; ++j) {
        f.lblArmonie[j].Caption = j % 2 ? "FA+" : "SOL+";
        f.lblArmonie[j].Visible = false;
        f.lblAccomp[j].BorderStyle = j % 5 == 1;
    }
    f.lblStoComponendo.Caption = "1";
    f.lblIncrementa.Caption = "0";
    f.cmdIncisi.Enabled = false;
    f.lblVariante.Enabled = false;
    f.TmrMostraMelodiaDaFile.SetEnabled(true);
    p.hp.advance(16 * 105);
    for (int j = 1; j <= 16; ++j) EXPECT_EQ(f.lblArmonie[j].Visible, j % 5 == 1) << j;
    EXPECT_EQ(f.lblArmonie[1].Caption, "DO+");  // playback shows DO+ at half-bar 1
    EXPECT_EQ(joined(f.lblAccomp, 1, 3), "1||");
    EXPECT_EQ(f.TxtTitolo.Text, "Dal file");
    EXPECT_TRUE(f.cmdIncisi.Enabled && f.TmrAudio.Enabled() && !f.TmrMostraMelodiaDaFile.Enabled());
    EXPECT_FALSE(f.lblVariante.Enabled);
}
