#pragma once
// A short performance played on a General MIDI instrument and rendered offline.
#include <cstdint>
#include <filesystem>
#include <vector>

namespace kelo::datatree {

inline constexpr int kSampleRate = 44100;
inline constexpr int kChannels = 2;

namespace gm {
inline constexpr int kAcousticGrandPiano = 0;
inline constexpr int kCelesta = 8;
}  // namespace gm

struct KeyPress {
    int key;  // MIDI key number, 60 = C4
    int velocity;
    double down;  // seconds from the start
    double up;
};

struct Performance {
    int program;  // General MIDI program
    std::vector<KeyPress> keys;
    double length;  // seconds rendered, release tails included
    double gain;    // FluidSynth's master gain: the loudest moment stays below full scale
};

// Renders with FluidSynth, no audio device; interleaved stereo 16-bit at kSampleRate.
// The first key pressed at 0 s sounds from the first sample. Throws on failure.
std::vector<std::int16_t> render(const Performance& performance, const std::filesystem::path& soundFont);

}  // namespace kelo::datatree
