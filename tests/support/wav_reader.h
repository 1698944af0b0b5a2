#pragma once
// Reads 16-bit PCM WAV files for the tests that listen to the data tree.
#include <filesystem>
#include <optional>
#include <vector>

namespace kelo::support {

struct WavSound {
    int sampleRate = 0;
    int channels = 0;
    std::vector<double> mono;  // channels averaged, full scale = 1.0
    double peak = 0.0;         // largest magnitude on any one channel, full scale = 1.0

    double seconds() const { return sampleRate ? static_cast<double>(mono.size()) / sampleRate : 0.0; }
};

// Nothing when the file is missing or is not 16-bit PCM WAV.
std::optional<WavSound> readWav(const std::filesystem::path& file);

}  // namespace kelo::support
