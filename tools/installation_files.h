#pragma once
// The files of "Dati": the installation's marker and the user's settings.
#include <filesystem>

namespace kelo::datatree {

// Writes the marker the program probes for, unless it is already there.
void writeMarkerIfMissing(const std::filesystem::path& dati);

// The user's settings record "User.txt". An existing file is the user's and is
// never touched. The factory record is not written here yet: this is where it goes.
void writeUserSettingsIfMissing(const std::filesystem::path& dati);

}  // namespace kelo::datatree
