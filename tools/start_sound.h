#pragma once
// "Allarme.wav": the bright start sound under the splash.
#include <filesystem>

#include "sound_job.h"

namespace kelo::datatree {

SoundJob startSoundJob(const std::filesystem::path& kelo);

}  // namespace kelo::datatree
