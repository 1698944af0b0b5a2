// The data tree "Kelo 2020/" that the build generates next to the program:
// names, pictures, sounds and voice, checked by looking and listening by numbers.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "engine/pitch_names.h"
#include "model/data_files.h"
#include "player/score_display.h"
#include "support/headless_program.h"
#include "support/sound_analysis.h"
#include "support/wav_reader.h"

namespace fs = std::filesystem;
using kelo::kPitchNames;
using kelo::support::readFile;
using kelo::support::keyHz;
using kelo::support::readWav;

namespace {

#ifdef KELO_DATA_TREE_DIR
const fs::path kTree = KELO_DATA_TREE_DIR;
const fs::path kTool = KELO_DATATREE_TOOL;
#else
const fs::path kTree, kTool;  // not part of this build: the tests skip
#endif

// The note pictures by the names the program opens, of pitch 0 ("si") to 9.
std::string notePicture(int pitch, const char* shape) { return kelo::FiguraNota(kPitchNames[pitch], shape); }
// B3 up to D5: the white keys from "si" to "re'".
const int kPitchKeys[10] = {59, 60, 62, 64, 65, 67, 69, 71, 72, 74};

struct Chord {
    std::set<int> pitchClasses;  // C = 0
    int bass;                    // pitch class of the lowest note
};

// The chord a sample's name asks for: root DO, FA or SOL; "+" major, "-" minor, "7" the
// dominant seventh; "F" puts the root in the bass, "1R" the third, "2R" the fifth.
Chord chordOf(std::string name) {
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const int root = name.starts_with("DO") ? 0 : name.starts_with("FA") ? 5 : 7;
    const int third = (root + (name.find('-') != std::string::npos ? 3 : 4)) % 12, fifth = (root + 7) % 12;
    Chord chord{{root, third, fifth}, root};
    if (name.find('7') != std::string::npos) chord.pitchClasses.insert((root + 10) % 12);
    if (name.find("1R") != std::string::npos) chord.bass = third;
    if (name.find("2R") != std::string::npos) chord.bass = fifth;
    return chord;
}

// Power of each key from `lo` to `hi` over one second from 0.1 s, the best of three points
// across its semitone.
std::map<int, double> keyPowers(const kelo::support::WavSound& sound, int lo, int hi) {
    const kelo::support::Stretch stretch(sound.mono, sound.sampleRate, 44100 / 10, 44100);
    std::map<int, double> power;
    for (int key = lo; key <= hi; ++key)
        for (double detune : {-0.15, 0.0, 0.15}) power[key] = std::max(power[key], stretch.powerAt(keyHz(key + detune)));
    return power;
}

bool dark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

std::vector<int> darkRows(const QImage& image, int x) {
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y)
        if (dark(image, x, y)) rows.push_back(y);
    return rows;
}

// Top and bottom rows of ink that `picture` has and the empty staff has not.
std::pair<int, int> newInkRows(const QImage& picture, const QImage& empty) {
    int top = picture.height(), bottom = -1;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (dark(picture, x, y) && !dark(empty, x, y)) top = std::min(top, y), bottom = std::max(bottom, y);
    return {top, bottom};
}

// A rendered sample's level: the peak on any channel keeps headroom (a synth that lost its
// velocity modulators plays about four times louder and clips) and the first second is
// neither faint nor blaring.
struct Level {
    double minPeak, maxPeak, minRms, maxRms;
};
constexpr Level kNoteLevel{0.25, 0.6, 0.015, 0.12};
constexpr Level kChordLevel{0.15, 0.6, 0.02, 0.12};
constexpr Level kStartLevel{0.3, 0.7, 0.05, 0.25};

void expectLevel(const kelo::support::WavSound& sound, const std::string& name, const Level& level) {
    const double firstSecond = kelo::support::rms(sound.mono, 0, static_cast<std::size_t>(sound.sampleRate));
    EXPECT_TRUE(sound.peak >= level.minPeak && sound.peak <= level.maxPeak) << name << ": peak " << sound.peak;
    EXPECT_TRUE(firstSecond >= level.minRms && firstSecond <= level.maxRms) << name << ": first second " << firstSecond;
}

std::map<std::string, std::string> treeContents(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file()) files[fs::relative(entry.path(), root).string()] = readFile(entry.path());
    return files;
}

class DataTree : public ::testing::Test {
protected:
    void SetUp() override {
        if (kTree.empty()) GTEST_SKIP() << "the data tree is not part of this build";
        ASSERT_TRUE(fs::is_directory(kTree)) << kTree;
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

    // Runs the tool into `into`; when it fails or FluidSynth complains, shows all it printed.
    void runTool(const fs::path& into) const {
        const fs::path log = scratch_ / "tool.log";
        const std::string command = "\"" + kTool.string() + "\" \"" + into.string() + "\" >\"" + log.string() + "\" 2>&1";
        const int status = std::system(command.c_str());
        const std::string printed = readFile(log);
        ASSERT_EQ(status, 0) << "the tool failed:\n" << printed;
        EXPECT_TRUE(printed.find("fluidsynth") == std::string::npos) << "FluidSynth complained:\n" << printed;
    }

    fs::path scratch_;
};

}  // namespace

// Every picture and sound is opened by its exact name in the tests below; this is the rest.
TEST_F(DataTree, MarksItsRootAndHoldsTheProgramsFolders) {
    EXPECT_TRUE(fs::is_regular_file(tree(std::string("Dati/") + kelo::kMarkerFile)));
    for (const char* folder : {"Impostazioni", "Melodie"}) EXPECT_TRUE(fs::is_directory(tree(folder))) << folder;
}

TEST_F(DataTree, ScorePicturesShareOneStaffWhereNotesSitOnTheirLinesAndSpaces) {
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

    std::vector<std::string> names{"vuoto.jpg", "pausa.jpg", "chiave.jpg", "tempo.jpg"};
    for (int p = 0; p < 10; ++p)
        for (const char* shape : {"1", "2", "3", "4", "1p", "c"}) names.push_back(notePicture(p, shape));
    for (const std::string& name : names) {
        const QImage p = picture(name);
        ASSERT_FALSE(p.isNull()) << name;
        EXPECT_NEAR(static_cast<double>(p.width()) / p.height(), 495.0 / 1935.0, 0.01 * 495.0 / 1935.0) << name;
        ASSERT_EQ(p.size(), empty.size()) << name;
        EXPECT_EQ(darkRows(p, 1), rows) << name;
        EXPECT_EQ(darkRows(p, p.width() - 2), rows) << name;
    }

    // Each note on its line or space, its stem on the side away from the middle line.
    const double space = h * (1215 - 240) / 1935.0 / 4, bottomLine = h * 1215 / 1935.0;
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
    struct Box {
        const char* name;
        double ratio;
        int minWidth;
    };
    for (const Box& box : {Box{"Splash Kelo.jpg", 1024.0 / 768.0, 1}, Box{"Kelo-trundo 2020.jpg", 2775.0 / 615.0, 185},
                           Box{"Kelo.jpg", 1.0, 49}}) {
        const QImage p = picture(box.name);
        ASSERT_FALSE(p.isNull()) << box.name;
        EXPECT_NEAR(static_cast<double>(p.width()) / p.height(), box.ratio, 0.01 * box.ratio) << box.name;
        EXPECT_GE(p.width(), box.minWidth) << box.name;
    }
    const QImage splash = picture("Splash Kelo.jpg");

    // The window writes its credit line and version in light yellow over the bottom
    // 60 of 768 rows: that band must be dark and calm.
    double sum = 0, sumSquares = 0, count = 0;
    for (int y = splash.height() * (768 - 60) / 768; y < splash.height(); ++y)
        for (int x = 0; x < splash.width(); x += 3) {
            const double g = qGray(splash.pixel(x, y));
            sum += g, sumSquares += g * g, ++count;
        }
    const double mean = sum / count;
    EXPECT_LT(mean, 60.0);
    EXPECT_LT(std::sqrt(sumSquares / count - mean * mean), 12.0);
}

TEST_F(DataTree, NoteSamplesSoundTheirPitchesInTune) {
    for (int p = 0; p < 10; ++p) {
        const std::string name = kelo::kNoteSamples[p];
        const auto sound = readWav(tree("Suoni/" + name));
        ASSERT_TRUE(sound) << name;
        EXPECT_EQ(sound->sampleRate, 44100) << name;
        EXPECT_GE(sound->seconds(), 6.6) << name;
        expectLevel(*sound, name, kNoteLevel);

        // Playback timing counts on the attack at the very start.
        const auto first = std::find_if(sound->mono.begin(), sound->mono.end(),
                                         [&](double v) { return std::abs(v) > 0.05 * sound->peak; });
        EXPECT_LT(first - sound->mono.begin(), 44100 / 100) << name;

        // Within a fifth either side only the fundamental sounds, and in tune: a quarter
        // of a semitone off is weaker.
        const int key = kPitchKeys[p];
        const auto power = keyPowers(*sound, key - 7, key + 7);
        auto louder = [](const auto& a, const auto& b) { return a.second < b.second; };
        EXPECT_EQ(std::max_element(power.begin(), power.end(), louder)->first, key) << name;
        const kelo::support::Stretch stretch(sound->mono, 44100, 44100 / 10, 44100);
        for (double off : {-0.25, 0.25}) EXPECT_GT(stretch.powerAt(keyHz(key)), stretch.powerAt(keyHz(key + off))) << name;
    }
}

TEST_F(DataTree, ChordSamplesHoldTheirChordsBelowTheMelody) {
    for (const char* file : kelo::kChordSamples) {
        const Chord chord = chordOf(file);
        const auto sound = readWav(tree(std::string("Suoni/") + file));
        ASSERT_TRUE(sound) << file;
        EXPECT_GE(sound->seconds(), 9.6) << file;
        expectLevel(*sound, file, kChordLevel);

        const std::map<int, double> power = keyPowers(*sound, 31, 71);  // G1 to B4
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
        for (int key = 36; key <= 57; ++key)
            pitchClassPower[key % 12] = std::max(pitchClassPower[key % 12], power.at(key));
        double weakestTone = strongest;
        for (int pc : chord.pitchClasses) {
            EXPECT_GT(pitchClassPower[pc], 30 * median) << file << " pitch class " << pc;
            weakestTone = std::min(weakestTone, pitchClassPower[pc]);
        }
        for (const auto& [pc, pw] : pitchClassPower)
            EXPECT_TRUE(chord.pitchClasses.count(pc) || 5 * pw < weakestTone) << file << " pitch class " << pc;
        // The lowest key that sounds is the bass the name asks for.
        const int lowest =
            std::find_if(power.begin(), power.end(), [&](const auto& kp) { return kp.second > 0.1 * strongest; })->first;
        EXPECT_EQ(lowest % 12, chord.bass) << file << " lowest key " << lowest;
        EXPECT_GE(lowest, 36) << file;
    }
}

// The persona's lines are spoken, the farewell within the exit timer's 1.5 s; the start
// sound is short and sounds at once.
TEST_F(DataTree, VoiceAndStartSoundAreHeardAndShort) {
    std::vector<std::tuple<std::string, double, double>> sounds{{"Allarme.wav", 0.5, 2.0}};  // name, seconds
    for (int i = 0; i < kelo::kPersonaLineCount; ++i)
        sounds.emplace_back(kelo::kPersonaLines[i], 0.4, i == kelo::kPersonaLineCount - 1 ? 1.5 : 60.0);
    for (const auto& [name, shortest, longest] : sounds) {
        const auto sound = readWav(tree("Kelo/" + name));
        ASSERT_TRUE(sound) << name;
        EXPECT_TRUE(sound->seconds() >= shortest && sound->seconds() <= longest) << name << ": " << sound->seconds();
        EXPECT_GT(kelo::support::rms(sound->mono, 0, sound->mono.size()), 0.02) << name;
        if (name == "Allarme.wav") {
            EXPECT_GT(kelo::support::rms(sound->mono, 0, sound->sampleRate / 10), 0.01);
            expectLevel(*sound, name, kStartLevel);
        }
    }
}

TEST_F(ToolRun, WritesTheSameBytesEveryRunAndKeepsTheUsersFiles) {
    // The second run finds the user's own settings and marker in Dati.
    const std::map<std::string, std::string> users = {{"Dati/User.txt", "\"the user's own settings\"\r\n"},
                                                      {std::string("Dati/") + kelo::kMarkerFile, "edited by the user\r\n"}};
    fs::create_directories(scratch_ / "b" / "Kelo 2020" / "Dati");
    for (const auto& [name, text] : users) std::ofstream(scratch_ / "b" / "Kelo 2020" / name, std::ios::binary) << text;
    ASSERT_NO_FATAL_FAILURE(runTool(scratch_ / "a"));
    ASSERT_NO_FATAL_FAILURE(runTool(scratch_ / "b"));

    auto a = treeContents(scratch_ / "a" / "Kelo 2020");
    auto b = treeContents(scratch_ / "b" / "Kelo 2020");
    for (const auto& [name, text] : users) {
        EXPECT_EQ(b[name], text);
        a.erase(name), b.erase(name);
    }
    EXPECT_GT(a.size(), 100u);
    ASSERT_EQ(a.size(), b.size());
    for (const auto& [name, bytes] : a) EXPECT_TRUE(b[name] == bytes) << name << " differs between runs";
}
