#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/local_files.h"
#include "platform/record_file.h"
#include "support/headless_program.h"

using namespace kelo;
namespace fs = std::filesystem;

TEST(RecordFile, EveryValueKindRoundTripsWithCrLf) {
    std::vector<RecordValue> values = {RecordValue::Text("Kelo (trundo) 2020"), RecordValue::Text(""),
                                       RecordValue::Text("X"),   RecordValue::Number(12632319),
                                       RecordValue::Number(-7),  RecordValue::Boolean(true),
                                       RecordValue::Boolean(false)};
    std::string text = formatRecord(values);
    EXPECT_EQ(text, "\"Kelo (trundo) 2020\"\r\n\"\"\r\n\"X\"\r\n12632319\r\n-7\r\n#TRUE#\r\n#FALSE#\r\n");
    ParsedRecord back = parseRecord(text);
    EXPECT_EQ(back.badLine, 0);
    EXPECT_EQ(back.values, values);
}

TEST(RecordFile, NamesTheFirstLineThatIsNoValue) {
    EXPECT_EQ(parseRecord("\"1\"\r\n\"2\r\n\"3\"\r\n").badLine, 2);
    EXPECT_EQ(parseRecord("\"1\"\r\n\r\n").badLine, 2);
    EXPECT_EQ(parseRecord("12 \r\n").badLine, 1);
    EXPECT_EQ(parseRecord("#true#").badLine, 1);
    EXPECT_EQ(parseRecord("").values.size(), 0u);
    // LF line ends and a missing final newline are fine.
    EXPECT_EQ(parseRecord("\"16\"\n16777215\n\"DO\"").values,
              (std::vector{RecordValue::Text("16"), RecordValue::Number(16777215), RecordValue::Text("DO")}));
}

TEST(RecordFile, WritesWindows1252WhereEveryCharacterFitsUtf8ElseAndReadsBackTheSameText) {
    const std::pair<std::string, std::string> cases[] = {
        {"Città – €", "\"Citt\xE0 \x96 \x80\"\r\n"},
        {"Città ♪", "\"Citt\xC3\xA0 \xE2\x99\xAA\"\r\n"},
        {"Ã©", "\"\xC3\x83\xC2\xA9\"\r\n"},  // as Windows-1252 it would read back as "é"
        {"a\"\"b\"", "\"a\"\"\"\"b\"\"\"\r\n"},
        {"\xC2\x81\xC2\x8D", "\"\x81\x8D\"\r\n"},  // two C1 controls, bytes Windows-1252 leaves free
    };
    for (const auto& [text, bytes] : cases) {
        EXPECT_EQ(formatRecord({RecordValue::Text(text)}), bytes) << text;
        EXPECT_EQ(parseRecord(bytes).values, std::vector{RecordValue::Text(text)}) << text;
    }
    // A line break stays out of the value's line; a lone quote from an old file reads as itself.
    EXPECT_EQ(formatRecord({RecordValue::Text("a\r\nb")}), "\"a  b\"\r\n");
    EXPECT_EQ(parseRecord("\xEF\xBB\xBF\"a\"b\"").values, std::vector{RecordValue::Text("a\"b")});
}

TEST(LocalFiles, WritesAtomicallyAndKeepsTheOldFileWhenTheFolderIsMissing) {
    fs::path dir = kelo::support::freshFolder("local-files");
    fs::create_directories(dir / "Kelo 2020" / "Dati");
    LocalFileSystem files(dir);
    ASSERT_TRUE(files.writeAtomically("Kelo 2020\\Dati\\User.txt", "first"));
    ASSERT_TRUE(files.writeAtomically("Kelo 2020\\Dati\\User.txt", "second"));
    EXPECT_EQ(files.readAll("Kelo 2020\\Dati\\User.txt"), "second");
    EXPECT_FALSE(fs::exists(dir / "Kelo 2020" / "Dati" / "User.txt.tmp"));
    EXPECT_FALSE(files.writeAtomically("Kelo 2020\\Nessuna\\User.txt", "x"));
    EXPECT_TRUE(files.moveAside("Kelo 2020\\Dati\\User.txt", ".bad"));
    EXPECT_FALSE(files.exists("Kelo 2020\\Dati\\User.txt"));
    EXPECT_EQ(files.readAll("Kelo 2020\\Dati\\User.txt.bad"), "second");
    fs::remove_all(dir);
}

TEST(LocalFiles, DrivePathsExistOnlyUnderADriveRoot) {
    fs::path dir = kelo::support::freshFolder("drive");
    fs::create_directories(dir / "C" / "Programmi" / "Kelo 2020" / "Dati");
    { std::ofstream(dir / "C" / "Programmi" / "Kelo 2020" / "Dati" / "m.ini") << "x"; }
    LocalFileSystem noDrive(dir);
    EXPECT_FALSE(noDrive.exists("C:\\Programmi\\Kelo 2020\\Dati\\m.ini"));
    LocalFileSystem withDrive(dir, dir);
    EXPECT_TRUE(withDrive.exists("C:\\Programmi\\Kelo 2020\\Dati\\m.ini"));
    EXPECT_FALSE(withDrive.exists("C:\\Programmi\\Kelo 2020\\Dati"));  // a folder is no file
    fs::remove_all(dir);
}
