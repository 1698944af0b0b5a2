// Saving the melody on show and loading it back through the "MELODIE" buttons.
#include "player/melody_files.h"
#include "player/melody_record.h"
#include "records_test_support.h"

using namespace kelo;
using namespace kelo::recordstest;
using MelodyRecord = Records;

namespace {

// The awkward melody as the file holds it: Windows-1252, the quotes doubled.
const std::string kGolden =
    "\"Citt\xE0 \"\"d'oro\"\" \x96 Var. 2\"\r\n\"di Kelo-trundo 2020\"\r\n\"5\"\r\n\"114\"\r\n345\r\n12632319\r\n"
    "\"DO SOL SOL DO\"\r\n\"ABAC\"\r\n\"A\"\r\n\"B\"\r\n\"A\"\r\n\"C\"\r\n"
    "\"1\"\r\n\"\"\r\n\"13\"\r\n\"14\"\r\n\"15\"\r\n\"16\"\r\n\"17\"\r\n\"18\"\r\n\"19\"\r\n\"\"\r\n\"2\"\r\n\"\"\r\n"
    "\"\"\r\n\"12\"\r\n\"9\"\r\n\"1\"\r\n"
    "\"4\"\r\n\"2 2\"\r\n\"2 1 1\"\r\n\"RP 2\"\r\n" + rep(4, "\"1 1 1 1\"\r\n") +
    "\"3\"\r\n\"0\"\r\n\"1\"\r\n\"RP\"\r\n" + rep(12, "\"1 1\"\r\n") +
    "\"DO\"\r\n\"\"\r\n\"RE\"\r\n\"SOL\"\r\n" + rep(12, "\"FA\"\r\n") +
    "\"DO\"\r\n\"\"\r\n\"\"\r\n\"MI\"\r\n\"\"\r\n\"RE\"\r\n\"SOL\"\r\n\"LA\"\r\n" + rep(12, "\"FA\"\r\n\"SOL\"\r\n") +
    "\"DO\"\r\n\"-\"\r\n\"-\"\r\n\"MI\"\r\n" + rep(4, "\"-\"\r\n") + "\"\"\r\n\"\"\r\n\"RE\"\r\n\"-\"\r\n" +
    "\"SOL\"\r\n\"-\"\r\n\"-\"\r\n\"LA\"\r\n" + rep(12, "\"FA\"\r\n\"-\"\r\n\"SOL\"\r\n\"-\"\r\n") +
    "\"DO+\"\r\n\"DO+\"\r\n\"SOL+\"\r\n\"SOL+\"\r\n" + rep(12, "\"FA+\"\r\n") +
    rep(2, "#TRUE#\r\n#FALSE#\r\n") + "#TRUE#\r\n" + rep(10, "#FALSE#\r\n") + "#TRUE#\r\n" + "\"m\"\r\n";

// A good record with its 1-based lines replaced.
std::string edited(std::vector<std::pair<int, std::string>> edits, int upTo = kMelodyRecordLines) {
    std::vector<std::string> lines;
    for (size_t p = 0, e; (e = kGolden.find("\r\n", p)) != std::string::npos; p = e + 2) lines.push_back(kGolden.substr(p, e - p));
    for (auto& [n, text] : edits) lines.at(static_cast<size_t>(n - 1)) = text;
    std::string s;
    for (int n = 0; n < upTo; ++n) s += lines[static_cast<size_t>(n)] + "\r\n";
    return s;
}

}  // namespace

TEST_F(MelodyRecord, SavesEveryFieldAndLoadsItBackRevealedWithTheSameChordNamesAndPlayed) {
    awkwardMelody();
    const std::vector<RecordValue> saved = collectMelodyRecord(f);
    const fs::path file = melodie / "Città.txt";
    press(1, file);
    EXPECT_EQ(readFile(file), kGolden);
    EXPECT_EQ(f.lblPuls[1].BackColor, ColoreSpento);

    ASSERT_TRUE(deliverClick(f.cmdIncisi));  // another melody, played and stopped
    p.hp.advance(16 * 105);
    ASSERT_TRUE(deliverClick(f.lblPulsante[3]));
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
}

TEST_F(MelodyRecord, ABadFileNamesItsLineAndChangesNothingAnOddGoodOneLoads) {
    const FileCase cases[] = {
        {"empty", "", 1},
        {"short", edited({}, 196), 197},
        {"unclosed quote", edited({{37, "\"3"}}), 37},
        {"a flag for the title", edited({{1, "#TRUE#"}}), 1},
        {"tempo level", edited({{3, "\"17\""}}), 3},
        {"user's interval", edited({{4, "\"0\""}}), 4},
        {"interval in quotes", edited({{5, "\"345\""}}), 5},
        {"interval", edited({{5, "40000"}}), 5},
        {"Random colour", edited({{6, "255"}}), 6},
        {"no melody", edited({{12, "\"\""}}), 12},
        {"accompaniment", edited({{20, "\"20\""}}), 20},
        {"accompaniment with a zero", edited({{20, "\"08\""}}), 20},
        {"rhythm code", edited({{40, "\"2 2\""}}), 40},
        {"pivot", edited({{55, "\"Do\""}}), 55},
        {"pitch", edited({{69, "\"Do\""}}), 69},
        {"step", edited({{101, "\"x\""}}), 101},
        {"flag in quotes", edited({{181, "\"#TRUE#\""}}), 181},
        {"byte-order mark, LF only, extra lines", "\xEF\xBB\xBF" + edited({}) + "\"more\"\r\nnot a value\r\n", 0},
        {"LF only, bare numbers on text lines", lfOnly(edited({{3, "5"}, {20, "16"}})), 0},
        {"UTF-8", edited({{1, "\"Città \xE2\x99\xAA\""}}), 0},
    };
    awkwardMelody();
    const fs::path file = melodie / "prova.txt";
    for (const FileCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string before = load(2, file, c.content);
        EXPECT_EQ(f.lblPuls[2].BackColor, ColoreSpento);
        if (c.line == 0) {
            EXPECT_TRUE(p.hp.display.messages.empty());
            EXPECT_TRUE(f.TmrMostraMelodiaDaFile.Enabled());
            p.hp.advance(16 * 105);
            ASSERT_TRUE(deliverClick(f.lblPulsante[3]));
            continue;
        }
        expectRefused(file, c.line, before);
    }
    EXPECT_EQ(f.TxtTitolo.Text, "Città \xE2\x99\xAA");
    EXPECT_EQ(f.lblVeloc[0].Caption, "5");
}

TEST(MelodyFileName, KeepsTheTitleInsideTheFolder) {
    const std::pair<std::string, std::string> cases[] = {
        {"Canto d'amore", "Canto d'amore.txt"}, {"../../etc/passwd", "etc passwd.txt"},
        {"a\\b\r\nc\x7F", "a b  c.txt"},        {" .. ", "Kelo 2020.txt"},
        {"", "Kelo 2020.txt"},                  {"Canto.txt", "Canto.txt"},
        {"x\xC2\x85y", "x y.txt"},              {rep(100, "è"), rep(60, "è") + ".txt"},
    };
    for (const auto& [title, name] : cases) EXPECT_EQ(NomeFileMelodia(title), name) << title;
}
