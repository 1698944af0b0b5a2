#pragma once
// The ten pitch names, low to high, numbered 1 ("si") to 10 ("re'").
#include <array>
#include <string_view>

namespace kelo {

inline constexpr std::array<std::string_view, 10> kPitchNames = {"si",  "DO", "RE", "MI",  "FA",
                                                                 "SOL", "LA", "SI", "do'", "re'"};

// 1..10, or 0 for a text that is no pitch name (exact, case-sensitive).
inline int pitchNumber(std::string_view name) {
    for (size_t i = 0; i < kPitchNames.size(); ++i)
        if (kPitchNames[i] == name) return static_cast<int>(i) + 1;
    return 0;
}

}  // namespace kelo
