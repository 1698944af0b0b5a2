#pragma once
// The fonts the pictures are drawn with. FreeSerif carries the Unicode block of
// musical symbols, so engraving and lettering come from one family.

namespace kelo::datatree::fonts {

inline constexpr const char* kSerif = "/usr/share/fonts/truetype/freefont/FreeSerif.ttf";
inline constexpr const char* kSerifBold = "/usr/share/fonts/truetype/freefont/FreeSerifBold.ttf";
inline constexpr const char* kSerifItalic = "/usr/share/fonts/truetype/freefont/FreeSerifItalic.ttf";
inline constexpr const char* kSerifBoldItalic = "/usr/share/fonts/truetype/freefont/FreeSerifBoldItalic.ttf";

}  // namespace kelo::datatree::fonts
