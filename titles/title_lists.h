#pragma once
// The word lists of the 24 title types: constant texts of the program, each list
// in its own order, entry r being the one that NumeroCasuale(K) = r picks.
#include <span>
#include <string_view>

namespace kelo {

inline constexpr int kTitleTypes = 24;

struct TitleLists {
    std::span<const std::string_view> prefixes;  // empty where the title is one whole entry
    std::string_view between;                    // put between prefix and word
    std::span<const std::string_view> words;
};

// The lists of title type 1..24.
const TitleLists& titleLists(int type);

}  // namespace kelo
