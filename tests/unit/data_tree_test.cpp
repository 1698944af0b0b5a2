// The data tree "Kelo 2020/" that the build generates next to the program:
// names, pictures, sounds and voice, checked by looking and listening by numbers.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "model/data_files.h"
#include "support/sound_analysis.h"
#include "support/wav_reader.h"

namespace fs = std::filesystem;
using kelo::test::fundamentalHz;
using kelo::test::keyHz;
using kelo::test::readWav;

namespace {

#ifdef KELO_DATA_TREE_DIR
const fs::path kTree = KELO_DATA_TREE_DIR;
#endif

const char* const kPitchNames[10] = {"si", "DO", "RE", "MI", "FA", "SOL", "LA", "SI", "do'", "re'"};
const char* const kShapes[6] = {"1", "2", "3", "4", "1p", "c"};
// B3 up to D5.
const int kPitchKeys[10] = {59, 60, 62, 64, 65, 67, 69, 71, 72, 74};

std::string notePicture(int pitch, const std::string& shape) {
    const std::string name = kPitchNames[pitch];
    return name + (name == "si" ? "_" : " ") + shape + ".jpg";
}

std::vector<std::string> scorePictures() {
    std::vector<std::string> names;
    for (int p = 0; p < 10; ++p) {
        for (const char* s : kShapes) names.push_back(notePicture(p, s));
    }
    for (const char* other : {"vuoto.jpg", "pausa.jpg", "chiave.jpg", "tempo.jpg"}) names.push_back(other);
    return names;
}

struct Chord {
    const char* file;
    std::set<int> pitchClasses;  // C = 0
    int bass;                    // pitch class of the lowest note
};

// "+" major, "-" minor, "7" dominant seventh; "F" root, "1R" the third, "2R" the fifth in the bass.
const std::vector<Chord>& chords() {
    static const std::set<int> C{0, 4, 7}, F{5, 9, 0}, G{7, 11, 2}, G7{7, 11, 2, 5}, Cm{0, 3, 7}, Fm{5, 8, 0};
    static const std::vector<Chord> table = {
        {"DO+F1.wav", C, 0},   {"DO+F2.wav", C, 0},   {"DO+1R.wav", C, 4},   {"DO+2R.wav", C, 7},
        {"FA+F.wav", F, 5},    {"FA+1R.wav", F, 9},   {"FA+2R.wav", F, 0},   {"SOL+F1.wav", G, 7},
        {"SOL+F2.wav", G, 7},  {"SOL+1R.wav", G, 11}, {"SOL+2R.wav", G, 2},  {"SOL7.wav", G7, 7},
        {"Do-F1.wav", Cm, 0},  {"Do-F2.wav", Cm, 0},  {"Do-1R.wav", Cm, 3},  {"Do-2R.wav", Cm, 7},
        {"Fa-F.wav", Fm, 5},   {"FA-1R.wav", Fm, 8},  {"FA-2R.wav", Fm, 0},
    };
    return table;
}

bool dark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

std::vector<int> darkRows(const QImage& image, int x) {
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        if (dark(image, x, y)) rows.push_back(y);
    }
    return rows;
}

// Top and bottom rows of ink that `picture` has and the empty staff has not.
std::pair<int, int> newInkRows(const QImage& picture, const QImage& empty) {
    int top = picture.height();
    int bottom = -1;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (dark(picture, x, y) && !dark(empty, x, y)) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return {top, bottom};
}

std::string readAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::map<std::string, std::string> treeContents(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) files[fs::relative(entry.path(), root).string()] = readAll(entry.path());
    }
    return files;
}

class DataTree : public ::testing::Test {
protected:
    void SetUp() override {
#ifndef KELO_DATA_TREE_DIR
        GTEST_SKIP() << "the data tree is not part of this build";
#else
        ASSERT_TRUE(fs::is_directory(kTree)) << kTree;
#endif
    }
    fs::path tree(const std::string& relative) const { return kTree / relative; }
    QImage picture(const std::string& name) const { return QImage(QString::fromStdString(tree("Grafica/" + name).string())); }
};

// A scratch folder for runs of the tool, removed afterwards.
class ToolRun : public DataTree {
protected:
    void SetUp() override {
        DataTree::SetUp();
        scratch_ = fs::temp_directory_path() / ("kelo-datatree-test-" + std::to_string(::getpid()));
        fs::remove_all(scratch_);
        fs::create_directories(scratch_);
    }
    void TearDown() override { fs::remove_all(scratch_); }

    static bool runTool(const fs::path& into) {
#ifdef KELO_DATATREE_TOOL
        const std::string command = "\"" KELO_DATATREE_TOOL "\" \"" + into.string() + "\" >/dev/null 2>&1";
        return std::system(command.c_str()) == 0;
#else
        (void)into;
        return false;
#endif
    }

    fs::path scratch_;
};

}  // namespace

TEST_F(DataTree, HoldsEveryFileByItsExactName) {
    std::vector<std::string> expected;
    for (const std::string& name : scorePictures()) expected.push_back("Grafica/" + name);
    for (const char* name : {"Splash Kelo.jpg", "Kelo-trundo 2020.jpg", "Kelo.jpg"}) {
        expected.push_back(std::string("Grafica/") + name);
    }
    for (int p = 0; p < 10; ++p) {
        char number[4];
        std::snprintf(number, sizeof number, "%02d", p + 1);
        expected.push_back(std::string("Suoni/") + number + " " + kPitchNames[p] + ".wav");
    }
    for (const Chord& c : chords()) expected.push_back(std::string("Suoni/") + c.file);
    expected.push_back("Kelo/Allarme.wav");
    for (const char* line : kelo::kPersonaLines) expected.push_back(std::string("Kelo/") + line);
    expected.push_back(std::string("Dati/") + kelo::kMarkerFile);

    // Listed by the folder itself, so a name that differs only in case does not pass.
    std::set<std::string> present;
    for (const auto& entry : fs::recursive_directory_iterator(kTree)) {
        present.insert(fs::relative(entry.path(), kTree).string());
    }
    for (const std::string& name : expected) EXPECT_TRUE(present.count(name)) << name;
    EXPECT_EQ(expected.size(), 64u + 3u + 10u + 19u + 1u + 13u + 1u);
    EXPECT_TRUE(fs::is_directory(tree("Impostazioni")));
    EXPECT_TRUE(fs::is_directory(tree("Melodie")));
}

TEST_F(DataTree, ScorePicturesShareOneBoxAndOneStaff) {
    const QImage empty = picture("vuoto.jpg");
    ASSERT_FALSE(empty.isNull());
    const int h = empty.height();

    // Five lines, edge to edge, the top one at 240/1935 and the bottom one at 1215/1935 of the height.
    const std::vector<int> rows = darkRows(empty, 1);
    std::vector<double> centres;
    for (std::size_t i = 0; i < rows.size();) {
        std::size_t j = i;
        while (j + 1 < rows.size() && rows[j + 1] == rows[j] + 1) ++j;
        centres.push_back((rows[i] + rows[j]) / 2.0);
        i = j + 1;
    }
    ASSERT_EQ(centres.size(), 5u);
    for (int line = 0; line < 5; ++line) {
        const double twips = 240 + line * (1215 - 240) / 4.0;
        EXPECT_NEAR(centres[line], h * twips / 1935.0, 1.0) << "line " << line;
    }
    EXPECT_EQ(darkRows(empty, empty.width() - 2), rows);

    for (const std::string& name : scorePictures()) {
        const QImage p = picture(name);
        ASSERT_FALSE(p.isNull()) << name;
        EXPECT_NEAR(static_cast<double>(p.width()) / p.height(), 495.0 / 1935.0, 0.01 * 495.0 / 1935.0) << name;
        ASSERT_EQ(p.size(), empty.size()) << name;
        EXPECT_EQ(darkRows(p, 1), rows) << name;
        EXPECT_EQ(darkRows(p, p.width() - 2), rows) << name;
    }
}

TEST_F(DataTree, NotesSitOnTheirLinesAndSpacesWithStemsOnTheRightSide) {
    const QImage empty = picture("vuoto.jpg");
    ASSERT_FALSE(empty.isNull());
    const double h = empty.height();
    const double space = h * (1215 - 240) / 1935.0 / 4;
    const double bottomLine = h * 1215 / 1935.0;
    for (int p = 0; p < 10; ++p) {
        // E4, the bottom line, is pitch 4 (MI); each pitch is one step, half a space.
        const double expectedY = bottomLine - (p - 3) * space / 2;

        const auto [top, bottom] = newInkRows(picture(notePicture(p, "4")), empty);
        EXPECT_NEAR((top + bottom) / 2.0, expectedY, 0.2 * space) << kPitchNames[p] << " whole note";
        EXPECT_NEAR(bottom - top, space, 0.25 * space) << kPitchNames[p] << " whole note";

        const auto [qTop, qBottom] = newInkRows(picture(notePicture(p, "1")), empty);
        if (p < 7) {  // below the middle line: stem up
            EXPECT_LT(qTop, expectedY - 2.5 * space) << kPitchNames[p];
            EXPECT_LT(qBottom, expectedY + space) << kPitchNames[p];
        } else {
            EXPECT_GT(qBottom, expectedY + 2.5 * space) << kPitchNames[p];
            EXPECT_GT(qTop, expectedY - space) << kPitchNames[p];
        }
    }
}

TEST_F(DataTree, DesignedPicturesFitTheirBoxes) {
    const QImage splash = picture("Splash Kelo.jpg");
    const QImage logo = picture("Kelo-trundo 2020.jpg");
    const QImage button = picture("Kelo.jpg");
    ASSERT_FALSE(splash.isNull());
    ASSERT_FALSE(logo.isNull());
    ASSERT_FALSE(button.isNull());
    auto ratio = [](const QImage& i) { return static_cast<double>(i.width()) / i.height(); };
    EXPECT_NEAR(ratio(splash), 1024.0 / 768.0, 0.01 * 1024.0 / 768.0);
    EXPECT_NEAR(ratio(logo), 2775.0 / 615.0, 0.01 * 2775.0 / 615.0);
    EXPECT_NEAR(ratio(button), 1.0, 0.01);
    EXPECT_GE(logo.width(), 185);
    EXPECT_GE(button.width(), 49);

    // The window writes its credit line and version in light yellow over the bottom
    // 60 of 768 rows: that band must be dark and calm.
    const int bandTop = splash.height() * (768 - 60) / 768;
    double sum = 0;
    double sumSquares = 0;
    int count = 0;
    for (int y = bandTop; y < splash.height(); ++y) {
        for (int x = 0; x < splash.width(); x += 3) {
            const double g = qGray(splash.pixel(x, y));
            sum += g;
            sumSquares += g * g;
            ++count;
        }
    }
    const double mean = sum / count;
    EXPECT_LT(mean, 60.0);
    EXPECT_LT(std::sqrt(sumSquares / count - mean * mean), 12.0);
}

TEST_F(DataTree, NoteSamplesSoundTheirPitchesInRisingOrder) {
    double previous = 0;
    for (int p = 0; p < 10; ++p) {
        char name[32];
        std::snprintf(name, sizeof name, "Suoni/%02d %s.wav", p + 1, kPitchNames[p]);
        const auto sound = readWav(tree(name));
        ASSERT_TRUE(sound) << name;
        EXPECT_EQ(sound->sampleRate, 44100) << name;
        EXPECT_GE(sound->seconds(), 6.6) << name;

        // Playback timing counts on the attack at the very start.
        double peak = 0;
        for (double v : sound->mono) peak = std::max(peak, std::abs(v));
        const auto first = std::find_if(sound->mono.begin(), sound->mono.end(),
                                         [peak](double v) { return std::abs(v) > 0.05 * peak; });
        EXPECT_LT(first - sound->mono.begin(), 44100 / 100) << name;

        const double f = fundamentalHz(sound->mono, 44100, 44100 / 5, 60.0, 1200.0);
        EXPECT_NEAR(f, keyHz(kPitchKeys[p]), 0.01 * keyHz(kPitchKeys[p])) << name;
        EXPECT_GT(f, previous) << name;
        previous = f;
    }
}

TEST_F(DataTree, ChordSamplesHoldTheirChordsBelowTheMelody) {
    constexpr std::size_t kStart = 44100 / 10;
    constexpr std::size_t kLength = 44100;
    for (const Chord& chord : chords()) {
        const auto sound = readWav(tree(std::string("Suoni/") + chord.file));
        ASSERT_TRUE(sound) << chord.file;
        EXPECT_GE(sound->seconds(), 9.6) << chord.file;
        EXPECT_GT(kelo::test::rms(sound->mono, 0, 44100), 0.01) << chord.file;

        // Power of each key from G1 to B4, the best of three points across its semitone.
        const kelo::test::Stretch stretch(sound->mono, 44100, kStart, kLength);
        std::map<int, double> power;
        for (int key = 31; key <= 71; ++key) {
            double best = 0;
            for (double detune : {-0.15, 0.0, 0.15}) {
                best = std::max(best, stretch.powerAt(keyHz(key + detune)));
            }
            power[key] = best;
        }
        std::vector<double> background;
        double strongest = 0;
        for (const auto& [key, pw] : power) {
            if (!chord.pitchClasses.count(key % 12)) background.push_back(pw);
            strongest = std::max(strongest, pw);
        }
        std::nth_element(background.begin(), background.begin() + background.size() / 2, background.end());
        const double median = background[background.size() / 2];

        // From C2 to A3 every chord tone stands clearly above the background, and
        // every other pitch class stays well below the weakest chord tone.
        std::map<int, double> pitchClassPower;
        for (int key = 36; key <= 57; ++key) {
            pitchClassPower[key % 12] = std::max(pitchClassPower[key % 12], power[key]);
        }
        double weakestTone = strongest;
        for (int pc : chord.pitchClasses) {
            EXPECT_GT(pitchClassPower[pc], 30 * median) << chord.file << " pitch class " << pc;
            weakestTone = std::min(weakestTone, pitchClassPower[pc]);
        }
        for (const auto& [pc, pw] : pitchClassPower) {
            if (!chord.pitchClasses.count(pc)) {
                EXPECT_LT(5 * pw, weakestTone) << chord.file << " pitch class " << pc;
            }
        }
        // The lowest key that sounds is the bass the name asks for.
        int lowest = -1;
        for (const auto& [key, pw] : power) {
            if (pw > 0.1 * strongest) {
                lowest = key;
                break;
            }
        }
        EXPECT_EQ(lowest % 12, chord.bass) << chord.file << " lowest key " << lowest;
        EXPECT_GE(lowest, 36) << chord.file;
    }
}

TEST_F(DataTree, StartSoundIsShortAndStartsAtOnce) {
    const auto sound = readWav(tree("Kelo/Allarme.wav"));
    ASSERT_TRUE(sound);
    EXPECT_GE(sound->seconds(), 0.5);
    EXPECT_LE(sound->seconds(), 2.0);
    EXPECT_GT(kelo::test::rms(sound->mono, 0, sound->sampleRate / 10), 0.01);
    EXPECT_GT(kelo::test::rms(sound->mono, 0, sound->mono.size()), 0.01);
}

TEST_F(DataTree, PersonaSpeaksEveryLineAndTheFarewellIsShort) {
    for (int i = 0; i < kelo::kPersonaLineCount; ++i) {
        const auto sound = readWav(tree(std::string("Kelo/") + kelo::kPersonaLines[i]));
        ASSERT_TRUE(sound) << kelo::kPersonaLines[i];
        EXPECT_GT(sound->seconds(), 0.4) << kelo::kPersonaLines[i];
        EXPECT_GT(kelo::test::rms(sound->mono, 0, sound->mono.size()), 0.02) << kelo::kPersonaLines[i];
    }
    // The farewell plays while the exit timer gives it 1.5 s.
    const auto farewell = readWav(tree(std::string("Kelo/") + kelo::kPersonaLines[12]));
    ASSERT_TRUE(farewell);
    EXPECT_LE(farewell->seconds(), 1.5);
}

TEST_F(ToolRun, WritesTheSameBytesEveryRun) {
    ASSERT_TRUE(runTool(scratch_ / "a"));
    ASSERT_TRUE(runTool(scratch_ / "b"));
    const auto a = treeContents(scratch_ / "a");
    const auto b = treeContents(scratch_ / "b");
    EXPECT_GT(a.size(), 100u);
    ASSERT_EQ(a.size(), b.size());
    for (const auto& [name, bytes] : a) {
        const auto other = b.find(name);
        ASSERT_NE(other, b.end()) << name;
        EXPECT_TRUE(other->second == bytes) << name << " differs between runs";
    }
}

TEST_F(ToolRun, NeverOverwritesTheUsersFilesInDati) {
    const fs::path dati = scratch_ / "Kelo 2020" / "Dati";
    fs::create_directories(dati);
    std::ofstream(dati / "User.txt", std::ios::binary) << "\"the user's own settings\"\r\n";
    std::ofstream(dati / kelo::kMarkerFile, std::ios::binary) << "edited by the user\r\n";
    ASSERT_TRUE(runTool(scratch_));
    EXPECT_EQ(readAll(dati / "User.txt"), "\"the user's own settings\"\r\n");
    EXPECT_EQ(readAll(dati / kelo::kMarkerFile), "edited by the user\r\n");
    EXPECT_TRUE(fs::exists(scratch_ / "Kelo 2020" / "Grafica" / "vuoto.jpg"));
}
