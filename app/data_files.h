#pragma once
// Names of the data-tree files that are ours to choose. The program binds them
// and the data-tree tool writes them, so both read them from here.

namespace kelo {

// The installation's marker in "Kelo 2020\Dati\": finding it marks the install root.
extern const char* const kMarkerFile;

// The persona's spoken lines in "Kelo 2020\Kelo\", element 1 first:
// 1 the greeting, 2..12 the comments, 13 the farewell.
inline constexpr int kPersonaLineCount = 13;
extern const char* const kPersonaLines[kPersonaLineCount];

}  // namespace kelo
