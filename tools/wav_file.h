#pragma once
// 16-bit PCM WAV files.
#include <cstdint>
#include <filesystem>
#include <vector>

namespace kelo::datatree {

// `samples` interleaved by channel. Throws std::runtime_error when the file cannot be written.
void writeWav(const std::filesystem::path& file, int sampleRate, int channels,
              const std::vector<std::int16_t>& samples);

}  // namespace kelo::datatree
