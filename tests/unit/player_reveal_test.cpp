// The reveal of a melody on the staff and the end that gives the window back.
#include <filesystem>

#include "player/score_display.h"
#include "player_test_support.h"

using namespace kelo;
using namespace kelo::playertest;
using Reveal = Player;

TEST_F(Reveal, DrawsHalfBarSAtTickSAndOnTheSixteenthGivesTheWindowBackNamedAndPlaying) {
    for (int k = 1; k <= 36; ++k) f.ImgNota[k].Picture = "old";
    ASSERT_TRUE(deliverClick(f.cmdIncisi));
    for (int s = 1; s <= 16; ++s) {
        p.hp.advance(104);
        EXPECT_TRUE(f.ImgNota[2 * s - 1].Picture == "old" && !f.cmdIncisi.Enabled) << s;
        p.hp.advance(1);
        EXPECT_NE(f.ImgNota[2 * s].Picture, "old") << s;
    }
    EXPECT_EQ(f.ImgNota[33].Picture, "old");
    EXPECT_FALSE(f.FraStoComponendo.Visible || f.TmrMostraMelodia.Enabled());
    EXPECT_TRUE(f.cmdIncisi.Enabled && f.TxtCompositore.Visible && f.lblVariante.Enabled && f.lblPulsante[0].Enabled);
    EXPECT_EQ(f.ActiveControl, &f.cmdIncisi);
    EXPECT_EQ(f.lblKeloPrecedente.BackColor, ColoreKeloPronto);
    EXPECT_EQ(f.lblAccomp[1].Caption + f.lblPulsante[3].Caption, "1O");  // accompaniment chosen, then played
    EXPECT_TRUE(f.TmrAudio.Enabled());

    const std::string title = f.TxtTitolo.Text;
    EXPECT_NE(title, "Buongiorno, signori!");
    f.lblNumeroVariante.BackColor = ColoreRosso;  // a variant keeps the title it was given
    f.lblStoComponendo.Caption = "16";
    TmrMostraMelodia_Timer(f);
    EXPECT_EQ(f.TxtTitolo.Text, title);
}

TEST_F(Reveal, DrawsOnePictureForEveryCodeAndPitchEmptyStaffForTheUnknownAndNothingPastTheNotes) {
    const std::string grafica = "Kelo 2020\\Grafica\\";
    // Each box: a note shape of the slot's pitch, or the picture itself.
    const std::array<const char*, 3> cases[] = {
        {"0", "vuoto.jpg", "vuoto.jpg"}, {"1", "vuoto.jpg", "1"},   {"2", "2", "vuoto.jpg"},
        {"3", "3", "vuoto.jpg"},         {"4", "4", "vuoto.jpg"},   {"RP", "1p", "c"},
        {"1 P", "1", "pausa.jpg"},       {"P 1", "pausa.jpg", "1"}, {"1 1", "1", "1"},
        {"2 2", "vuoto.jpg", "vuoto.jpg"}};
    std::vector<std::string> pitches(kPitchNames.begin(), kPitchNames.end());
    pitches.insert(pitches.end(), {"", "Sol"});
    for (const auto& [code, first, second] : cases) {
        for (const std::string& pitch : pitches) {
            auto expected = [&](std::string box) {
                if (box.ends_with(".jpg")) return grafica + box;
                return grafica + (pitchNumber(pitch) ? pitch + (pitch == "si" ? "_" : " ") + box + ".jpg" : "vuoto.jpg");
            };
            setColumn(f.lblMelos, "||||" + pitch + "|" + pitch);
            f.lblDueQuarti[3].Caption = code;
            f.lblStoComponendo.Caption = "3";
            f.lblIncrementa.Caption = "2";
            MostraFigureNote(f);
            EXPECT_EQ(f.ImgNota[5].Picture + " " + f.ImgNota[6].Picture, expected(first) + " " + expected(second));
            EXPECT_EQ(f.lblIncrementa.Caption, "3");
        }
    }
    EXPECT_TRUE(p.hp.display.messages.empty());

    // Boxes 33..36 hold the clefs; a reveal that runs past half-bar 16 stops.
    f.lblStoComponendo.Caption = f.lblIncrementa.Caption = "16";
    f.ImgNota[33].Picture = "clef";
    MostraFigureNote(f);
    f.lblStoComponendo.Caption = "17";
    f.TmrMostraMelodia.SetEnabled(true);
    p.hp.advance(105);
    EXPECT_FALSE(f.TmrMostraMelodia.Enabled());
    EXPECT_EQ(f.ImgNota[32].Picture + " " + f.ImgNota[33].Picture, grafica + "vuoto.jpg clef");
}

TEST_F(Reveal, PrintsAChordNameWhereTheChordChangesAndEndsAHalfNoteOnDo) {
    const std::array<const char*, 3> cases[] = {  // chords, rhythm of half-bar 16, names printed
        {"DO+|DO+|FA+|FA+|SOL+|SOL+|DO+|||FA+|FA+|DO+|SOL+|SOL+|FA+|DO+", "2",
         "DO+||FA+||SOL+||DO+|||FA+||DO+|SOL+||FA+|DO+"},
        {"DO+|FA+|FA+|FA+|FA+|FA+|FA+|FA+|FA+|FA+|FA+|FA+|DO+|SOL+|SOL+|SOL+", "2", "DO+|FA+|||||||||||DO+|SOL+||DO+"},
        {"DO+|FA+|FA+|FA+|FA+|FA+|FA+|FA+|FA+|FA+|FA+|FA+|DO+|SOL+|SOL+|SOL+", "1 1", "DO+|FA+|||||||||||DO+|SOL+||"},
        {"DO+|||||||||||||SOL+|SOL+|", "2", "DO+|||||||||||||SOL+||DO+"},
    };
    for (const auto& [chords, last, shown] : cases) {
        melody("2|2|2|2|2|2|2|2|2|2|2|2|2|2|2|" + std::string(last), "DO");
        setColumn(f.lblArmonie, chords);
        for (int j = 1; j <= 16; ++j) f.lblArmonie[j].Visible = false;
        f.lblMem.Caption.clear();
        f.lblStoComponendo.Caption = "16";
        TmrMostraMelodia_Timer(f);
        std::string printed;
        for (int j = 1; j <= 16; ++j)
            printed += (j > 1 ? "|" : "") + (f.lblArmonie[j].Visible ? f.lblArmonie[j].Caption : "");
        EXPECT_EQ(printed, shown) << chords;
    }
}

// The loader's cells: the record's melody, title and accompaniment, its chord names turned into marks.
TEST_F(Reveal, ALoadedMelodyKeepsItsOwnTitleAndMarksAndAMissingFileLeavesAGapNamedOnce) {
    std::filesystem::remove(p.dir / "Kelo 2020/Grafica/RE 1.jpg");
    std::filesystem::remove(p.dir / "Kelo 2020/Suoni/01 si.wav");
    melody("1 1|2|2|2|2|2|2|2|2|2|2|2|2|2|2|2", "si|RE|si", "13|||||||||||||||");
    f.TxtTitolo.Text = "Dal file";
    for (int j = 1; j <= 16; ++j) {
        f.lblArmonie[j].Caption = "FA+";
        f.lblArmonie[j].Visible = false;
        f.lblAccomp[j].BorderStyle = j % 5 == 1;
    }
    f.lblStoComponendo.Caption = "1";
    f.lblIncrementa.Caption = "0";
    f.cmdIncisi.Enabled = f.lblVariante.Enabled = false;
    f.TmrMostraMelodiaDaFile.SetEnabled(true);
    p.hp.advance(16 * 105);
    for (int j = 1; j <= 16; ++j) EXPECT_EQ(f.lblArmonie[j].Visible, j % 5 == 1) << j;
    EXPECT_EQ(f.TxtTitolo.Text + " " + f.lblAccomp[1].Caption, "Dal file 13");
    EXPECT_TRUE(f.cmdIncisi.Enabled && f.TmrAudio.Enabled() && !f.lblVariante.Enabled);
    EXPECT_EQ(f.ImgNota[2].Picture, "Kelo 2020\\Grafica\\vuoto.jpg");
    ASSERT_EQ(p.hp.display.messages.size(), 1u);
    EXPECT_NE(p.hp.display.messages[0].find("RE 1.jpg"), std::string::npos) << p.hp.display.messages[0];
}
