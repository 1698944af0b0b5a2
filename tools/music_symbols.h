#pragma once
// Engraving symbols from the font's musical-symbols block, scaled to a staff.
#include <QPainterPath>

#include "outline_font.h"

namespace kelo::datatree {

namespace glyphs {
inline constexpr char32_t kFiveLineStaff = 0x1D11A;
inline constexpr char32_t kTrebleClef = 0x1D11E;
inline constexpr char32_t kQuarterRest = 0x1D13D;
inline constexpr char32_t kWholeNote = 0x1D15D;
inline constexpr char32_t kVoidHead = 0x1D157;
inline constexpr char32_t kBlackHead = 0x1D158;
inline constexpr char32_t kAugmentationDot = 0x1D16D;
inline constexpr char32_t kFlag = 0x1D16E;
}  // namespace glyphs

class MusicSymbols {
public:
    // Reads the font and measures its staff; throws when it has no musical symbols.
    explicit MusicSymbols(const char* fontFile);

    // Outline of a symbol for a staff whose spaces are `space` pixels apart, placed as
    // the font places it on its own staff, with the bottom staff line at y = 0.
    QPainterPath onStaff(char32_t codePoint, double space) const;

    // The font's stems meet its note heads this many spaces away from the head's centre.
    static constexpr double kStemJoin = 0.15;

private:
    OutlineFont font_;
    double unitsPerSpace_ = 0;
    double bottomLineUnits_ = 0;
};

}  // namespace kelo::datatree
