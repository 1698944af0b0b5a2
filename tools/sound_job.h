#pragma once
// A sound file of the tree and the performance it holds.
#include <filesystem>

#include "synth_performance.h"

namespace kelo::datatree {

struct SoundJob {
    std::filesystem::path file;
    Performance performance;
};

// Renders the performance and writes it as a WAV file.
void renderToFile(const SoundJob& job, const std::filesystem::path& soundFont);

}  // namespace kelo::datatree
