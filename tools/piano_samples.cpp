#include "piano_samples.h"

namespace kelo::datatree {

namespace {

// MIDI keys.
constexpr int C2 = 36, D2 = 38, Eb2 = 39, E2 = 40, F2 = 41, G2 = 43, Ab2 = 44, A2 = 45, B2 = 47;
constexpr int C3 = 48, D3 = 50, Eb3 = 51, E3 = 52, F3 = 53, G3 = 55, Ab3 = 56, A3 = 57;
constexpr int B3 = 59, C4 = 60, D4 = 62, E4 = 64, F4 = 65, G4 = 67, A4 = 69, B4 = 71, C5 = 72, D5 = 74;

// A whole note at the slowest tempo lasts 6.6 s and a chord can hold for 9.6 s:
// the key stays down that long and the release tail follows.
constexpr double kNoteHeld = 6.6;
constexpr double kNoteLength = 7.4;
constexpr double kChordHeld = 9.6;
constexpr double kChordLength = 10.4;
constexpr int kMelodyVelocity = 84;
constexpr int kChordVelocity = 50;
// Loud enough to use the range, with headroom for the fullest chord.
constexpr double kGain = 2.5;

struct NoteSample {
    const char* file;
    int key;
};

constexpr NoteSample kNotes[] = {
    {"01 si.wav", B3},  {"02 DO.wav", C4}, {"03 RE.wav", D4}, {"04 MI.wav", E4},  {"05 FA.wav", F4},
    {"06 SOL.wav", G4}, {"07 LA.wav", A4}, {"08 SI.wav", B4}, {"09 do'.wav", C5}, {"10 re'.wav", D5},
};

struct ChordSample {
    const char* file;
    std::vector<int> keys;  // low to high, all below the melody's lowest note B3
};

// "F" root position ("F1" close, "F2" open with the root doubled), "1R" first
// inversion, "2R" second inversion; "+" major, "-" minor.
const std::vector<ChordSample>& chords() {
    static const std::vector<ChordSample> table = {
        {"DO+F1.wav", {C3, E3, G3}},  {"DO+F2.wav", {C2, G2, C3, E3}},  {"DO+1R.wav", {E2, C3, G3}},
        {"DO+2R.wav", {G2, C3, E3}},  {"FA+F.wav", {F2, C3, F3, A3}},   {"FA+1R.wav", {A2, C3, F3}},
        {"FA+2R.wav", {C3, F3, A3}},  {"SOL+F1.wav", {G2, B2, D3}},     {"SOL+F2.wav", {G2, B2, D3, G3}},
        {"SOL+1R.wav", {B2, D3, G3}}, {"SOL+2R.wav", {D2, G2, B2, D3}}, {"SOL7.wav", {G2, B2, D3, F3}},
        {"Do-F1.wav", {C3, Eb3, G3}}, {"Do-F2.wav", {C2, G2, C3, Eb3}}, {"Do-1R.wav", {Eb2, C3, G3}},
        {"Do-2R.wav", {G2, C3, Eb3}}, {"Fa-F.wav", {F2, C3, F3, Ab3}},  {"FA-1R.wav", {Ab2, C3, F3}},
        {"FA-2R.wav", {C3, F3, Ab3}},
    };
    return table;
}

}  // namespace

std::vector<SoundJob> pianoSampleJobs(const std::filesystem::path& suoni) {
    std::vector<SoundJob> jobs;
    for (const NoteSample& n : kNotes) {
        jobs.push_back({suoni / n.file,
                        {gm::kAcousticGrandPiano, {{n.key, kMelodyVelocity, 0.0, kNoteHeld}}, kNoteLength, kGain}});
    }
    for (const ChordSample& c : chords()) {
        Performance chord{gm::kAcousticGrandPiano, {}, kChordLength, kGain};
        for (int key : c.keys) chord.keys.push_back({key, kChordVelocity, 0.0, kChordHeld});
        jobs.push_back({suoni / c.file, chord});
    }
    return jobs;
}

}  // namespace kelo::datatree
