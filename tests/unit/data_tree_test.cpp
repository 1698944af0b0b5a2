// The data tree "Kelo 2020/" that the build generates next to the program, looked at
// and listened to by numbers: pictures on one staff, pitches in tune, chords right.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <numbers>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/pitch_names.h"
#include "model/data_files.h"
#include "player/score_display.h"
#include "support/headless_program.h"

namespace fs = std::filesystem;
using kelo::support::readFile;

namespace {

const fs::path kTree = KELO_DATA_TREE_DIR;

struct Wav {
    int rate = 0;
    std::vector<double> mono;  // channels averaged, full scale 1
    double peak = 0;           // on any one channel
    double seconds() const { return static_cast<double>(mono.size()) / rate; }
    double rms(std::size_t from, std::size_t n) const {
        double sum = 0;
        for (std::size_t i = from; i < from + n; ++i) sum += mono.at(i) * mono.at(i);
        return std::sqrt(sum / static_cast<double>(n));
    }
    // Power at `key` (MIDI, fractional) over one Hann-windowed second from 0.1 s, by Goertzel's recurrence.
    double power(double key) const {
        const std::size_t from = 4410, n = std::min<std::size_t>(44100, mono.size() - from);
        const double c = 2 * std::cos(2 * std::numbers::pi * 440 * std::pow(2, (key - 69) / 12) / rate);
        double s1 = 0, s2 = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const double hann = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * static_cast<double>(i) / (n - 1));
            s2 = std::exchange(s1, mono[from + i] * hann + c * s1 - s2);
        }
        return (s1 * s1 + s2 * s2 - c * s1 * s2) / (static_cast<double>(n) * n);
    }
    // The strongest of three points across the key's semitone.
    double keyPower(int key) const { return std::max({power(key - 0.15), power(key), power(key + 0.15)}); }
};

// The tool and espeak-ng both write the plain 44-byte header of 16-bit PCM, little-endian as this machine.
Wav readWav(const std::string& relative) {
    const std::string b = readFile(kTree / relative);
    auto le = [&](std::size_t at, int bytes) {
        uint32_t v = 0;
        return std::memcpy(&v, &b[at], bytes), v;
    };
    Wav w;
    const bool plain = b.size() >= 44 && !b.compare(0, 4, "RIFF") && !b.compare(8, 8, "WAVEfmt ") &&
                       !b.compare(36, 4, "data") && le(20, 2) == 1 && le(34, 2) == 16;
    EXPECT_TRUE(plain) << relative << " is not a plain 16-bit PCM WAV";
    if (!plain) return w;
    const int channels = static_cast<int>(le(22, 2));
    w.rate = static_cast<int>(le(24, 4));
    // A writer that never fixed its sizes leaves the largest; the file ends the data.
    const std::size_t frames = std::min<std::size_t>(le(40, 4), b.size() - 44) / (2 * channels);
    for (std::size_t f = 0; f < frames; ++f) {
        double sum = 0;
        for (int c = 0; c < channels; ++c) {
            const double v = static_cast<int16_t>(le(44 + 2 * (f * channels + c), 2)) / 32768.0;
            sum += v, w.peak = std::max(w.peak, std::abs(v));
        }
        w.mono.push_back(sum / channels);
    }
    return w;
}

// Peak keeps headroom (a synth that lost its velocity modulators plays four times louder
// and clips) and the first second is neither faint nor blaring.
void expectLevel(const Wav& w, const std::string& name, double peakLo, double peakHi, double rmsLo, double rmsHi) {
    const double first = w.rms(0, static_cast<std::size_t>(w.rate));
    EXPECT_TRUE(w.peak >= peakLo && w.peak <= peakHi) << name << ": peak " << w.peak;
    EXPECT_TRUE(first >= rmsLo && first <= rmsHi) << name << ": first second " << first;
}

QImage picture(const std::string& name) { return QImage(QString::fromStdString((kTree / "Grafica" / name).string())); }
std::string notePicture(int pitch, const char* shape) { return kelo::FiguraNota(kelo::kPitchNames[pitch], shape); }
bool dark(const QImage& p, int x, int y) { return qGray(p.pixel(x, y)) < 128; }

std::vector<int> darkRows(const QImage& p, int x) {
    std::vector<int> rows;
    for (int y = 0; y < p.height(); ++y)
        if (dark(p, x, y)) rows.push_back(y);
    return rows;
}

// Top and bottom rows of the ink that `p` has over the empty staff.
std::pair<int, int> newInk(const QImage& p, const QImage& empty) {
    int top = p.height(), bottom = -1;
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x)
            if (dark(p, x, y) && !dark(empty, x, y)) top = std::min(top, y), bottom = std::max(bottom, y);
    return {top, bottom};
}

}  // namespace

TEST(DataTree, ScorePicturesShareOneStaffWhereNotesSitOnTheirLinesAndSpaces) {
    const QImage empty = picture("vuoto.jpg");
    const double h = empty.height(), space = h * (1215 - 240) / 1935.0 / 4, bottomLine = h * 1215 / 1935.0;
    EXPECT_NEAR(empty.width() / h, 495.0 / 1935.0, 0.0025);
    // Five lines, from the program's bar lines' top (240 of 1935 twips) to their foot (1215).
    const std::vector<int> rows = darkRows(empty, 1);
    std::vector<double> lines;
    for (std::size_t i = 0, j = 0; i < rows.size(); i = ++j) {
        while (j + 1 < rows.size() && rows[j + 1] == rows[j] + 1) ++j;
        lines.push_back((rows[i] + rows[j]) / 2.0);
    }
    ASSERT_EQ(lines.size(), 5u);
    for (int line = 0; line < 5; ++line) EXPECT_NEAR(lines[line], bottomLine - (4 - line) * space, 1.0) << line;

    // Every picture carries the same lines to both edges, nothing else touches them.
    std::vector<std::string> names{"vuoto.jpg", "pausa.jpg", "chiave.jpg", "tempo.jpg"};
    for (int p = 0; p < 10; ++p)
        for (const char* shape : {"1", "2", "3", "4", "1p", "c"}) names.push_back(notePicture(p, shape));
    for (const std::string& name : names) {
        const QImage p = picture(name);
        ASSERT_EQ(p.size(), empty.size()) << name;
        EXPECT_EQ(darkRows(p, 1), rows) << name;
        EXPECT_EQ(darkRows(p, p.width() - 2), rows) << name;
    }
    // Pitch 3 (MI) on the bottom line, each pitch half a space higher; stems away from the middle line.
    for (int p = 0; p < 10; ++p) {
        const double y = bottomLine - (p - 3) * space / 2;
        const auto [top, bottom] = newInk(picture(notePicture(p, "4")), empty);
        EXPECT_NEAR((top + bottom) / 2.0, y, 0.2 * space) << kelo::kPitchNames[p] << " whole note";
        EXPECT_NEAR(bottom - top, space, 0.25 * space) << kelo::kPitchNames[p] << " whole note";
        const auto [qTop, qBottom] = newInk(picture(notePicture(p, "1")), empty);
        if (p < 7)
            EXPECT_TRUE(qTop < y - 2.5 * space && qBottom < y + space) << kelo::kPitchNames[p] << " stem up";
        else
            EXPECT_TRUE(qBottom > y + 2.5 * space && qTop > y - space) << kelo::kPitchNames[p] << " stem down";
    }
}

// The program stretches these into their boxes.
TEST(DataTree, DesignedPicturesFitTheirBoxes) {
    for (auto [name, ratio, minWidth] : {std::tuple{"Splash Kelo.jpg", 1024.0 / 768, 1},
                                         {"Kelo-trundo 2020.jpg", 2775.0 / 615, 185},
                                         {"Kelo.jpg", 1.0, 49}}) {
        const QImage p = picture(name);
        EXPECT_TRUE(std::abs(p.width() / (p.height() * ratio) - 1) < 0.01 && p.width() >= minWidth) << name;
    }
}

TEST(DataTree, NoteSamplesSoundTheirPitchesInTune) {
    const int keys[10] = {59, 60, 62, 64, 65, 67, 69, 71, 72, 74};  // B3 to D5, white keys
    for (int p = 0; p < 10; ++p) {
        const std::string name = kelo::kNoteSamples[p];
        const Wav w = readWav("Suoni/" + name);
        ASSERT_EQ(w.rate, 44100) << name;
        ASSERT_GE(w.seconds(), 6.6) << name;  // a whole note at the slowest tempo
        expectLevel(w, name, 0.25, 0.6, 0.015, 0.12);
        // Playback timing counts on the attack in the first 10 ms.
        const auto attack =
            std::find_if(w.mono.begin(), w.mono.end(), [&](double v) { return std::abs(v) > 0.05 * w.peak; });
        EXPECT_LT(attack - w.mono.begin(), 441) << name;
        // Within a fifth either side the fundamental is strongest, and a quarter semitone off is weaker.
        int strongest = keys[p] - 7;
        for (int k = keys[p] - 6; k <= keys[p] + 7; ++k)
            if (w.keyPower(k) > w.keyPower(strongest)) strongest = k;
        EXPECT_EQ(strongest, keys[p]) << name;
        EXPECT_GT(w.power(keys[p]), std::max(w.power(keys[p] - 0.25), w.power(keys[p] + 0.25))) << name;
    }
}

TEST(DataTree, ChordSamplesHoldTheirChordsBelowTheMelody) {
    for (const char* file : kelo::kChordSamples) {
        // The name says the chord: root DO, FA or SOL by its first letter; "-" minor; "7" the dominant
        // seventh; "1R" the third in the bass, "2R" the fifth, otherwise the root.
        const std::string_view name = file;
        const int root = name[0] == 'D' ? 0 : name[0] == 'F' ? 5 : 7;
        const int third = (root + (name.find('-') != name.npos ? 3 : 4)) % 12, fifth = (root + 7) % 12;
        std::set<int> tones{root, third, fifth};
        if (name.find('7') != name.npos) tones.insert((root + 10) % 12);
        const int bass = name.find("1R") != name.npos ? third : name.find("2R") != name.npos ? fifth : root;

        const Wav w = readWav(std::string("Suoni/") + file);
        ASSERT_GE(w.rate ? w.seconds() : 0, 9.6) << file;  // the longest a chord holds
        expectLevel(w, file, 0.15, 0.6, 0.02, 0.12);
        std::map<int, double> power;  // G1 to B4
        std::vector<double> others;
        for (int k = 31; k <= 71; ++k)
            if (power[k] = w.keyPower(k); !tones.count(k % 12)) others.push_back(power[k]);
        std::nth_element(others.begin(), others.begin() + others.size() / 2, others.end());
        const double background = others[others.size() / 2];
        // From C2 to A3 each chord tone stands clear of the background, every other pitch class
        // well below the weakest tone; the lowest key that sounds is the bass the name asks for.
        std::map<int, double> classes;
        for (int k = 36; k <= 57; ++k) classes[k % 12] = std::max(classes[k % 12], power[k]);
        double weakest = 1e9;
        for (int pc : tones) weakest = std::min(weakest, classes[pc]);
        EXPECT_GT(weakest, 30 * background) << file;
        for (auto [pc, pw] : classes) EXPECT_TRUE(tones.count(pc) || 5 * pw < weakest) << file << " pitch class " << pc;
        const double loudest =
            std::max_element(power.begin(), power.end(), [](auto a, auto b) { return a.second < b.second; })->second;
        const int lowest =
            std::find_if(power.begin(), power.end(), [&](auto kp) { return kp.second > 0.1 * loudest; })->first;
        EXPECT_EQ(lowest % 12, bass) << file << " lowest key " << lowest;
        EXPECT_GE(lowest, 36) << file;
    }
}

// The persona's lines are spoken, the farewell within the exit timer's 1.5 s; the start
// sound is short and sounds at once.
TEST(DataTree, VoiceAndStartSoundAreHeardAndShort) {
    const Wav start = readWav("Kelo/Allarme.wav");
    EXPECT_TRUE(start.seconds() >= 0.5 && start.seconds() <= 2) << start.seconds();
    EXPECT_GT(start.rms(0, start.rate / 10), 0.01);
    expectLevel(start, "Allarme.wav", 0.3, 0.7, 0.05, 0.25);
    for (int i = 0; i < kelo::kPersonaLineCount; ++i) {
        const char* name = kelo::kPersonaLines[i];
        const Wav w = readWav(std::string("Kelo/") + name);
        EXPECT_TRUE(w.seconds() >= 0.4 && w.seconds() <= (i == kelo::kPersonaLineCount - 1 ? 1.5 : 60)) << name;
        EXPECT_GT(w.rms(0, w.mono.size()), 0.02) << name;
    }
}

// A run over a tree that holds the user's own files keeps them, and writes the program's
// folders and, byte for byte, what the build wrote.
TEST(DataTree, TheToolKeepsTheUsersFilesAndWritesTheSameBytesEveryRun) {
    const fs::path scratch = fs::temp_directory_path() / ("kelo-datatree-test-" + std::to_string(::getpid()));
    const fs::path root = scratch / "Kelo 2020", log = scratch / "tool.log";
    const std::map<std::string, std::string> users = {{"User.txt", "\"the user's own settings\"\r\n"},
                                                      {kelo::kMarkerFile, "edited by the user\r\n"}};
    fs::create_directories(root / "Dati");
    for (const auto& [name, text] : users) std::ofstream(root / "Dati" / name, std::ios::binary) << text;
    const std::string command =
        "\"" KELO_DATATREE_TOOL "\" \"" + scratch.string() + "\" >\"" + log.string() + "\" 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << readFile(log);
    EXPECT_EQ(readFile(log).find("fluidsynth"), std::string::npos) << "FluidSynth complained:\n" << readFile(log);
    for (const auto& [name, text] : users) EXPECT_EQ(readFile(root / "Dati" / name), text);
    for (const char* folder : {"Impostazioni", "Melodie"}) EXPECT_TRUE(fs::is_directory(root / folder)) << folder;
    EXPECT_TRUE(fs::is_regular_file(kTree / "Dati" / kelo::kMarkerFile));
    for (const char* file :
         {"Grafica/SOL 1.jpg", "Suoni/05 FA.wav", "Suoni/SOL7.wav", "Kelo/Allarme.wav", "Kelo/Kelo13 Addio.wav"})
        EXPECT_TRUE(readFile(root / file) == readFile(kTree / file)) << file << " differs from the build's";
    fs::remove_all(scratch);
}
