#include "platform/record_format.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>
#include <tuple>

#include "platform/local_files.h"
#include "support/headless_program.h"

using namespace kelo;
namespace fs = std::filesystem;

TEST(RecordFormat, EveryValueKindRoundTripsWithCrLf) {
    const std::vector<RecordValue> values = {RecordValue::Text("Kelo (trundo) 2020"),
                                             RecordValue::Text(""),
                                             RecordValue::Text("X"),
                                             RecordValue::Number(12632319),
                                             RecordValue::Number(-7),
                                             RecordValue::Boolean(true),
                                             RecordValue::Boolean(false)};
    const std::string text = formatRecord(values);
    EXPECT_EQ(text, "\"Kelo (trundo) 2020\"\r\n\"\"\r\n\"X\"\r\n12632319\r\n-7\r\n#TRUE#\r\n#FALSE#\r\n");
    EXPECT_EQ(parseRecord(text).values, values);
}

TEST(RecordFormat, NamesTheFirstLineThatIsNoValue) {
    EXPECT_EQ(parseRecord("\"1\"\r\n\"2\r\n\"3\"\r\n").badLine, 2);
    EXPECT_EQ(parseRecord("\"1\"\r\n\r\n").badLine, 2);
    EXPECT_EQ(parseRecord("12 \r\n").badLine, 1);
    EXPECT_EQ(parseRecord("#true#").badLine, 1);
    EXPECT_EQ(parseRecord("").values.size(), 0u);
    // After the last value only what an old file may hold: blanks and line ends.
    EXPECT_TRUE(readRecordValues("\"1\"\r\n2\r\n \r\n\t\n\r\n", 2).ok());
    EXPECT_EQ(readRecordValues("\"1\"\r\n2\r\n\r\n\"3\"\r\n", 2).badLine, 4);
    EXPECT_EQ(readRecordValues(std::string("\"1\"\n2\n\0", 7), 2).badLine, 3);
    // LF line ends and a missing final newline are fine.
    EXPECT_EQ(parseRecord("\"16\"\n16777215\n\"DO\"").values,
              (std::vector{RecordValue::Text("16"), RecordValue::Number(16777215), RecordValue::Text("DO")}));
}

TEST(RecordFormat, WritesWindows1252WhereEveryCharacterFitsUtf8ElseAndReadsBackTheSameText) {
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

// The names of a folder, hidden ones too, sorted and joined by blanks.
std::string namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    std::string joined;
    for (const std::string& n : names) joined += (joined.empty() ? "" : " ") + n;
    return joined;
}

// What each fsync flushed while a test looks: a file's name, or a folder's and the names in it.
std::vector<std::string>* syncedLog = nullptr;
extern "C" int fsync(int fd) {
    const fs::path p = syncedLog ? fs::read_symlink("/proc/self/fd/" + std::to_string(fd)) : fs::path();
    if (syncedLog) syncedLog->push_back(p.filename().string());
    if (syncedLog && fs::is_directory(p)) syncedLog->back() += " " + namesIn(p);
    return static_cast<int>(::syscall(SYS_fsync, fd));
}

// Only regular files, and never more of one than the limit and a byte: a pipe would
// hold the program for good, a padded file fill its memory. Nor is a pipe or a
// folder written over or moved aside. A save survives a power cut: the data is on
// disk before the rename makes it the file, and the rename once the folder is; no
// other file of the folder is touched, whatever its name, and no temporary file is
// left. A file moved aside never replaces an earlier copy.
TEST(LocalFiles, TouchOnlyRegularFilesReadNoMoreThanTheLimitAndWriteDurably) {
    const fs::path dir = kelo::support::freshFolder("local-files");
    std::ofstream(dir / "ten") << "0123456789";
    std::ofstream(dir / "huge") << "\"1\"\r\n";
    fs::resize_file(dir / "huge", size_t{1} << 30);  // sparse: no disk, no time
    fs::create_directory(dir / "Dati");
    for (const char* pipe : {"pipe", "t.tmp"}) ASSERT_EQ(::mkfifo((dir / pipe).c_str(), 0600), 0);
    LocalFileSystem files(dir);
    using O = FileRead::Outcome;
    const std::tuple<std::string, size_t, O> cases[] = {
        {"ten", 10, O::Read},
        {"ten", 9, O::TooLarge},
        {"huge", kRecordFileLimit, O::TooLarge},
        {"pipe", 99, O::Unreadable},
        {"Dati", 99, O::Unreadable},
        {"none", 99, O::Missing},
        {"/proc/self/maps", 64, O::TooLarge},  // its size says 0
    };
    for (const auto& [name, limit, outcome] : cases) EXPECT_EQ(files.read(name, limit).outcome, outcome) << name;
    for (const char* other : {"Dati", "pipe"})
        EXPECT_FALSE(files.writeAtomically(other, "x") || files.moveAside(other, ".bad")) << other;
    EXPECT_TRUE(fs::is_fifo(dir / "pipe") && fs::is_directory(dir / "Dati") && !fs::exists(dir / "Dati.bad"));
    EXPECT_TRUE(files.writeAtomically("t", "x") && fs::is_fifo(dir / "t.tmp"))
        << "a pipe beside the target is no concern";

    std::vector<std::string> synced;
    syncedLog = &synced;
    EXPECT_TRUE(files.writeAtomically("Dati\\User.txt", "x"));
    syncedLog = nullptr;
    ASSERT_EQ(synced.size(), 2U);
    EXPECT_TRUE(synced[0].starts_with(".")) << synced[0] << ": a temporary file that a dialog lists";
    EXPECT_EQ(synced[1], "Dati User.txt");
    std::ofstream(dir / "Dati" / "User.txt.tmp") << "mine";  // the user's, whatever its name suggests
    const std::string copies[] = {"Dati\\User.txt.bad", "Dati\\User.txt.bad.2", "Dati\\User.txt.bad.3"};
    for (const std::string& copy : copies)
        EXPECT_TRUE(files.writeAtomically("Dati\\User.txt", copy) && files.moveAside("Dati\\User.txt", ".bad") == copy);
    for (const std::string& copy : copies) EXPECT_EQ(files.read(copy, 99).content, copy);
    EXPECT_FALSE(files.writeAtomically("Nessuna\\User.txt", "x"));
    EXPECT_EQ(support::readFile(dir / "Dati" / "User.txt.tmp"), "mine");
    EXPECT_EQ(namesIn(dir / "Dati"), "User.txt.bad User.txt.bad.2 User.txt.bad.3 User.txt.tmp");
    fs::remove_all(dir);
}

// Saves of one file at the same moment, from two running copies of the program:
// each has a temporary file of its own, so the file in place is always one whole
// save, the last one renamed, and none of them fails.
TEST(LocalFiles, SavesOfOneFileAtOnceEachLeaveItWholeAndNoneFails) {
    const fs::path dir = kelo::support::freshFolder("saves-at-once");
    const std::string contents[] = {std::string(300000, 'a'), std::string(100000, 'b'), std::string(200000, 'c')};
    std::ofstream(dir / "m.txt") << contents[0];
    LocalFileSystem files(dir);
    constexpr int kSaves = 40;
    std::atomic<int> failed = 0, writing = static_cast<int>(std::size(contents)), torn = 0, reads = 0;
    std::vector<std::thread> savers;
    for (const std::string& content : contents)
        savers.emplace_back([&] {
            for (int i = 0; i < kSaves; ++i) failed += !files.writeAtomically("m.txt", content);
            --writing;
        });
    while (writing > 0) {
        const FileRead r = files.read("m.txt", kRecordFileLimit);
        torn += std::find(std::begin(contents), std::end(contents), r.content) == std::end(contents);
        ++reads;
    }
    for (std::thread& t : savers) t.join();
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(torn, 0) << "of " << reads << " reads";
    const std::string last = files.read("m.txt", kRecordFileLimit).content;
    EXPECT_NE(std::find(std::begin(contents), std::end(contents), last), std::end(contents));
    EXPECT_EQ(namesIn(dir), "m.txt") << "a temporary file was left";
    fs::remove_all(dir);
}

// A save keeps the file it replaces as writing into it would: its owner and
// permissions, and the links that lead to it; and it refuses what that would
// refuse, a link to nothing or a read-only file, leaving no trace.
TEST(LocalFiles, ASaveKeepsWhatTheReplacedFileWasAndRefusesWhatCouldNotBeWritten) {
    constexpr uid_t kNobody = 65534;
    const fs::path dir = kelo::support::freshFolder("keeps");
    fs::create_directory(dir / "synced");
    const std::pair<const char*, mode_t> old[] = {{"private.txt", 0600}, {"group.txt", 0640},
                                                  {"shared.txt", 0664},  {"synced/end.txt", 0640},
                                                  {"owned.txt", 0600},   {"readonly.txt", 0444}};
    for (const auto& [name, mode] : old) {
        std::ofstream(dir / name) << "old";
        ASSERT_EQ(::chmod((dir / name).c_str(), mode), 0);
    }
    (void)::chown((dir / "owned.txt").c_str(), kNobody, kNobody);  // only root may; else it stays ours
    fs::create_symlink("synced/end.txt", dir / "link.txt");        // relative, as users make them
    fs::create_symlink(dir / "link.txt", dir / "chain.txt");
    fs::create_symlink("nowhere.txt", dir / "dangling.txt");
    auto owner = [&](const char* name) {
        struct stat st {};
        ::stat((dir / name).c_str(), &st);
        return std::to_string(st.st_uid) + ":" + std::to_string(st.st_gid);
    };
    const std::string ownedBefore = owner("owned.txt");
    const mode_t umaskBefore = ::umask(022);
    LocalFileSystem files(dir);

    const std::tuple<const char*, const char*, bool, mode_t> cases[] = {
        // saved as, written at, saved, permissions after
        {"private.txt", "private.txt", true, 0600},  {"group.txt", "group.txt", true, 0640},
        {"shared.txt", "shared.txt", true, 0664},    {"new.txt", "new.txt", true, 0644},
        {"chain.txt", "synced/end.txt", true, 0640}, {"dangling.txt", "nowhere.txt", false, 0},
    };
    for (const auto& [saved, written, ok, mode] : cases) {
        EXPECT_EQ(files.writeAtomically(saved, "new"), ok) << saved;
        struct stat st {};
        EXPECT_EQ(::stat((dir / written).c_str(), &st) == 0 ? st.st_mode & 0777 : 0, mode) << written;
        EXPECT_TRUE(!ok || support::readFile(dir / written) == "new") << written;
    }
    ::umask(umaskBefore);
    EXPECT_TRUE(fs::is_symlink(dir / "chain.txt") && fs::is_symlink(dir / "link.txt"));
    EXPECT_TRUE(fs::is_symlink(dir / "dangling.txt"));
    ASSERT_TRUE(files.writeAtomically("owned.txt", "new"));
    EXPECT_EQ(owner("owned.txt"), ownedBefore);

    // Root may write anything: the read-only file is saved by another user, who
    // may write in the folder but not into the file.
    ASSERT_EQ(::chown(dir.c_str(), ::geteuid() == 0 ? kNobody : ::geteuid(), -1), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(2);
        ::_exit(files.writeAtomically("readonly.txt", "new") ? 1 : 0);
    }
    int status = -1;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_EQ(status, 0) << "exit " << WEXITSTATUS(status) << "; 1: a read-only file was replaced, 2: no other user";
    EXPECT_EQ(support::readFile(dir / "readonly.txt"), "old");
    EXPECT_EQ(namesIn(dir),
              "chain.txt dangling.txt group.txt link.txt new.txt owned.txt private.txt readonly.txt "
              "shared.txt synced")
        << "a temporary file was left";
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
