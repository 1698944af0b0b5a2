#pragma once
// Paths into the data tree, and the names of its files that are ours to choose:
// the program binds them and the data-tree tool writes them.
#include <string>

namespace kelo {

// lblDir & "Kelo 2020\" & rest: every file of the data tree is named so.
std::string DataPath(const std::string& root, const char* rest);

// The installation's marker in "Kelo 2020\Dati\": finding it marks the install root.
extern const char* const kMarkerFile;

// The persona's spoken lines in "Kelo 2020\Kelo\", element 1 first:
// 1 the greeting, 2..12 the comments, 13 the farewell.
inline constexpr int kPersonaLineCount = 13;
extern const char* const kPersonaLines[kPersonaLineCount];

// The samples in "Kelo 2020\Suoni\", element 1 first: the notes "si" to "re'" of
// mmcPiano and the chords of mmcAccordi, by accompaniment code.
inline constexpr int kNoteSampleCount = 10;
inline constexpr int kChordSampleCount = 19;
extern const char* const kNoteSamples[kNoteSampleCount];
extern const char* const kChordSamples[kChordSampleCount];

}  // namespace kelo
