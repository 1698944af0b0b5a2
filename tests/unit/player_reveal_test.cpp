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
        {"0", "vuoto.jpg", "vuoto.jpg"},  {"1", "vuoto.jpg", "1"},   {"2", "2", "vuoto.jpg"},
        {"3", "3", "vuoto.jpg"},          {"4", "4", "vuoto.jpg"},   {"RP", "1p", "c"},
        {"1 P", "1", "pausa.jpg"},        {"P 1", "pausa.jpg", "1"}, {"1 1", "1", "1"},
        {"2 2", "vuoto.jpg", "vuoto.jpg"}};
    std::vector<std::string> pitches(kPitchNames.begin(), kPitchNames.end());
    pitches.insert(pitches.end(), {"", "Sol"});
    for (const auto& [code, first, second] : cases) {
        for (const std::string& pitch : pitches) {
            auto expected = [&](std::string box) {
                if (box.ends_with(".jpg")) return grafica + box;
                return grafica +
                       (pitchNumber(pitch) ? pitch + (pitch == "si" ? "_" : " ") + box + ".jpg" : "vuoto.jpg");
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

// Chord names where the chord changes; a piece whose last name is not DO+ gets "DO+" at
// the end only when its last half-bar is a half note.
TEST_F(Reveal, PrintsAChordNameWhereTheChordChangesAndEndsAHalfNoteOnDo) {
    const std::array<const char*, 3> cases[] = {
        // chords, rhythm of half-bar 16, names printed
        {"DO+|DO+|FA+|||||||||||SOL+|SOL+|", "2", "DO+||FA+|||||||||||SOL+||DO+"},
        {"DO+|DO+|FA+|||||||||||SOL+|SOL+|", "1 1", "DO+||FA+|||||||||||SOL+||"},
        {"DO+|DO+|FA+|||||||||||SOL+|SOL+|", "0", "DO+||FA+|||||||||||SOL+||"},
        {"DO+|||||||||||||FA+|DO+|", "2", "DO+|||||||||||||FA+|DO+|"},
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
        EXPECT_EQ(printed, shown) << chords << " ending " << last;
    }
}

// The loader's cells: the record's melody, title and accompaniment, its chord names
// turned into marks. A missing or unreadable picture or sample leaves a gap, and
// the first one of the run is named once.
TEST_F(Reveal, ALoadedMelodyKeepsItsOwnTitleAndMarksAndABrokenFileLeavesAGapNamedOnce) {
    const struct {
        const char* file;
        bool missing;  // else present but unreadable
        const char* said;
    } cases[] = {{"Grafica\\RE 1.jpg", false, "non si può leggere"},
                 {"Suoni\\01 si.wav", false, "non si può leggere"},
                 {"Suoni\\01 si.wav", true, "Manca il file"},
                 {"Grafica\\RE 1.jpg", true, "Manca il file"}};  // named before the missing sample
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string path = std::string("Kelo 2020\\") + c.file;
        p.hp.display.undecodable = p.hp.sound.undecodable = {};
        if (c.missing) {
            std::filesystem::remove(p.hp.files.nativePath(path));
        } else {
            p.hp.display.undecodable = p.hp.sound.undecodable = {path};
        }
        f.lblFileMancante.Caption.clear();  // as in a new run
        p.hp.display.messages.clear();
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
        EXPECT_EQ(f.ImgNota[2].Picture.ends_with("vuoto.jpg"), std::string(c.file).ends_with(".jpg"));
        ASSERT_EQ(p.hp.display.messages.size(), 1u);
        const std::string& said = p.hp.display.messages[0];
        EXPECT_TRUE(said.find(c.said) != std::string::npos &&
                    said.find(path.substr(path.rfind('\\') + 1)) != std::string::npos)
            << said;
        ASSERT_TRUE(deliverClick(f.lblPulsante[3]));  // stopped for the next case
    }
}
