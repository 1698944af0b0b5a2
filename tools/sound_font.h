#pragma once
// The General MIDI sound font the samples are played on.
#include <filesystem>

namespace kelo::datatree {

// FluidR3 when installed, else the system's default GM font. Throws when there is none.
std::filesystem::path findSoundFont();

}  // namespace kelo::datatree
