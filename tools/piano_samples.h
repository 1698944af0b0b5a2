#pragma once
// The piano samples of "Suoni": ten melody notes and nineteen chords.
#include <filesystem>
#include <vector>

#include "sound_job.h"

namespace kelo::datatree {

std::vector<SoundJob> pianoSampleJobs(const std::filesystem::path& suoni);

}  // namespace kelo::datatree
