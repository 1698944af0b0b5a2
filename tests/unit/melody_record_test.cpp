// The melody record and the settings profile through the "MELODIE" and "DATI"
// buttons: what a save writes, what a load accepts, refuses, and changes.
#include "player/melody_record.h"

#include "player/melody_files.h"
#include "player_test_support.h"
#include "support/record_lines.h"

using namespace kelo;
using namespace kelo::playertest;
using MelodyRecord = Player;

namespace {

std::string rep(int n, const std::string& s) {
    std::string out;
    while (n-- > 0) out += s;
    return out;
}

// Accented and quoted title, codes "3" and "1" with the steps only a record
// brings, accompaniment codes 13..19, chord names hidden and shown, "Random" on.
void awkwardMelody(frmKeloTrundo15& f) {
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

// The awkward melody as the file holds it: Windows-1252, the quotes doubled.
const std::string kGolden =
    "\"Citt\xE0 \"\"d'oro\"\" \x96 Var. 2\"\r\n\"di Kelo-trundo 2020\"\r\n\"5\"\r\n\"114\"\r\n345\r\n12632319\r\n"
    "\"DO SOL SOL DO\"\r\n\"ABAC\"\r\n\"A\"\r\n\"B\"\r\n\"A\"\r\n\"C\"\r\n"
    "\"1\"\r\n\"\"\r\n\"13\"\r\n\"14\"\r\n\"15\"\r\n\"16\"\r\n\"17\"\r\n\"18\"\r\n\"19\"\r\n\"\"\r\n\"2\"\r\n\"\"\r\n"
    "\"\"\r\n\"12\"\r\n\"9\"\r\n\"1\"\r\n"
    "\"4\"\r\n\"2 2\"\r\n\"2 1 1\"\r\n\"RP 2\"\r\n" +
    rep(4, "\"1 1 1 1\"\r\n") + "\"3\"\r\n\"0\"\r\n\"1\"\r\n\"RP\"\r\n" + rep(12, "\"1 1\"\r\n") +
    "\"DO\"\r\n\"\"\r\n\"RE\"\r\n\"SOL\"\r\n" + rep(12, "\"FA\"\r\n") +
    "\"DO\"\r\n\"\"\r\n\"\"\r\n\"MI\"\r\n\"\"\r\n\"RE\"\r\n\"SOL\"\r\n\"LA\"\r\n" + rep(12, "\"FA\"\r\n\"SOL\"\r\n") +
    "\"DO\"\r\n\"-\"\r\n\"-\"\r\n\"MI\"\r\n" + rep(4, "\"-\"\r\n") + "\"\"\r\n\"\"\r\n\"RE\"\r\n\"-\"\r\n" +
    "\"SOL\"\r\n\"-\"\r\n\"-\"\r\n\"LA\"\r\n" + rep(12, "\"FA\"\r\n\"-\"\r\n\"SOL\"\r\n\"-\"\r\n") +
    "\"DO+\"\r\n\"DO+\"\r\n\"SOL+\"\r\n\"SOL+\"\r\n" + rep(12, "\"FA+\"\r\n") + rep(2, "#TRUE#\r\n#FALSE#\r\n") +
    "#TRUE#\r\n" + rep(10, "#FALSE#\r\n") + "#TRUE#\r\n" + "\"m\"\r\n";

std::string lfOnly(const std::string& s) {
    std::string out;
    for (char c : s)
        if (c != '\r') out += c;
    return out;
}

// A good record with its 1-based lines replaced.
std::string edited(const kelo::support::LineEdits& edits, int upTo = kMelodyRecordLines) {
    return kelo::support::recordWith(kGolden, edits, upTo);
}

}  // namespace

TEST_F(MelodyRecord, SavesEveryFieldAndLoadsItBackRevealedWithTheSameChordNamesAndPlayed) {
    awkwardMelody(f);
    const std::vector<RecordValue> saved = collectMelodyRecord(f);
    const fs::path file = melodie / "Città.txt";
    press(1, file);
    EXPECT_EQ(readFile(file), kGolden);
    EXPECT_EQ(f.lblPuls[1].BackColor, ColoreSpento);

    composeAndStop();  // another melody
    f.lblKeloPrecedente.BackColor = ColoreAcceso;
    f.lblNumeroVariante.Caption = "3";
    f.lblNumeroVariante.BackColor = ColoreRosso;
    press(2, file);
    EXPECT_TRUE(p.hp.display.messages.empty()) << p.hp.display.messages[0];
    for (int k = 1; k <= 16; ++k)
        EXPECT_EQ(f.lblAccomp[k].BorderStyle == 1 && !f.lblArmonie[k].Visible, saved[180 + k - 1].flag) << k;
    EXPECT_TRUE(f.TmrMostraMelodiaDaFile.Enabled() && !f.cmdIncisi.Enabled && !f.lblPuls[1].Enabled);
    EXPECT_EQ(f.lblNumeroVariante.Caption + std::to_string(f.lblNumeroVariante.BackColor), "016777215");

    p.hp.advance(16 * 105);
    EXPECT_EQ(collectMelodyRecord(f), saved);
    EXPECT_EQ(f.lblKeloPrecedente.BackColor, ColoreKeloPronto);
    EXPECT_TRUE(f.TmrAudio.Enabled() && f.cmdIncisi.Enabled);
    EXPECT_EQ(f.TmrAudio.Interval(), 345);
    EXPECT_EQ(joined(f.lblStep, 1, 12), "DO|-|-|MI|-|-|-|-|||RE|-");  // the steps of "3" and "1" come from the file

    const std::string loaded = f.TxtTitolo.Text;  // its first variant is named after it
    ASSERT_TRUE(deliverMouseDown(f.lblVariante));
    p.hp.advance(16 * 105);
    EXPECT_EQ(f.TxtTitolo.Text, loaded + " - Var. 1");
}

TEST_F(MelodyRecord, ABadMelodyOrProfileNamesItsLineChangesNothingAndStaysAnOddGoodOneLoads) {
    using kelo::support::factoryRecordWith;
    const struct {
        int button;  // 2 a melody, 4 a profile
        const char* what;
        std::string content;
        int line;  // 0: it loads; -1: too large to be read
    } cases[] = {
        {2, "empty", "", 1},
        {2, "short", edited({}, 196), 197},
        {2, "unclosed quote", edited({{37, "\"3"}}), 37},
        {2, "a flag for the title", edited({{1, "#TRUE#"}}), 1},
        {2, "tempo level", edited({{3, "\"17\""}}), 3},
        {2, "the fastest tempo", edited({{3, "\"16\""}}), 0},
        {2, "user's interval", edited({{4, "\"0\""}}), 4},
        {2, "interval in quotes", edited({{5, "\"345\""}}), 5},
        {2, "interval", edited({{5, "40000"}}), 5},
        {2, "Random colour", edited({{6, "255"}}), 6},
        {2, "no melody", edited({{12, "\"\""}}), 12},
        {2, "accompaniment", edited({{20, "\"20\""}}), 20},
        {2, "accompaniment with a zero", edited({{20, "\"08\""}}), 20},
        {2, "rhythm code", edited({{40, "\"2 2\""}}), 40},
        {2, "pivot", edited({{55, "\"Do\""}}), 55},
        {2, "pitch", edited({{69, "\"Do\""}}), 69},
        {2, "step", edited({{101, "\"x\""}}), 101},
        {2, "flag in quotes", edited({{181, "\"#TRUE#\""}}), 181},
        {2, "byte-order mark, LF only, blank lines after", "\xEF\xBB\xBF" + lfOnly(edited({})) + "\n \n\t\n", 0},
        {2, "a value after the last", edited({}) + "\r\n\"more\"\r\n", 199},
        {2, "blanks past the limit", edited({}) + std::string(kRecordFileLimit - kGolden.size() + 1, ' '), -1},
        {2, "bare numbers on text lines, UTF-8", edited({{1, "\"Città \xE2\x99\xAA\""}, {3, "5"}, {20, "16"}}), 0},
        {4, "short profile", factoryRecordWith({}, 1299), 1300},
        {4, "malformed profile", factoryRecordWith({{57, "\"16"}}), 57},
        {4, "profile fine up to its last line", factoryRecordWith({{1, "\"parziale\""}, {1300, "\"17\""}}), 1300},
        {4, "byte-order mark, LF only, Windows-1252", "\xEF\xBB\xBF" + lfOnly(factoryRecordWith({{1, "\"Citt\xE0\""}})),
         0},
    };
    awkwardMelody(f);
    const fs::path file = p.dir / "altro nome.txt";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        p.hp.display.messages.clear();
        std::ofstream(file, std::ios::binary) << c.content;
        const std::string before = state();
        press(c.button, file);
        EXPECT_EQ(f.lblPuls[c.button].BackColor, ColoreSpento);
        EXPECT_EQ(readFile(file), c.content);  // a file that fails stays as it is, where it is
        EXPECT_FALSE(fs::exists(file.string() + ".bad"));
        if (c.line == 0) {
            EXPECT_TRUE(p.hp.display.messages.empty());
            if (c.button == 2) {
                p.hp.advance(16 * 105);
                ASSERT_TRUE(deliverClick(f.lblPulsante[3]));
            }
            continue;
        }
        ASSERT_EQ(p.hp.display.messages.size(), 1u);
        const std::string& msg = p.hp.display.messages[0];
        EXPECT_NE(msg.find(file.string()), std::string::npos) << msg;
        EXPECT_NE(msg.find(c.line > 0 ? "riga " + std::to_string(c.line) + ":" : "troppo grande"), std::string::npos);
        EXPECT_EQ(state(), before);
    }
    EXPECT_EQ(f.TxtTitolo.Text + "|" + f.lblScritteVarie[75].Caption, "Città \xE2\x99\xAA|Città");
}

// Nor does it hold what Windows refuses: a quote would even split the name in two
// in the save dialog.
TEST(MelodyFileName, KeepsTheTitleInsideTheFolder) {
    const std::pair<std::string, std::string> cases[] = {
        {"Canto d'amore", "Canto d'amore.txt"},
        {"../../etc/passwd", "etc passwd.txt"},
        {"a\\b\r\nc\x7F", "a b  c.txt"},
        {" .. ", "Kelo 2020.txt"},
        {"", "Kelo 2020.txt"},
        {"Canto.txt", "Canto.txt"},
        {"C'era una volta... ", "C'era una volta....txt"},
        {"x\xC2\x85y", "x y.txt"},
        {rep(100, "è"), rep(60, "è") + ".txt"},
        {"Ciao \"mondo\"", "Ciao mondo.txt"},
        {"<Sì>: a|b? *", "Sì a b.txt"},
    };
    for (const auto& [title, name] : cases) EXPECT_EQ(NomeFileMelodia(title), name) << title;
}
