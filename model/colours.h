#pragma once
// Colours with a meaning of their own in the tables.
#include "platform/controls.h"

namespace kelo {

inline constexpr Colour ColoreAcceso = 0xC0C0FF;      // switched on, selected, drawn, busy
inline constexpr Colour ColoreSpento = 0xFFFFFF;      // off, free, done
inline constexpr Colour ColoreTenuto = 0x80FFFF;      // a cell held down under the mouse
inline constexpr Colour ColorePeso = 0xFFFFE1;        // rest colour of an editable weight cell
inline constexpr Colour ColoreFreccia = 0xEEE4C4;     // arrow label-buttons
inline constexpr Colour ColoreDefault = 0xE6BEB3;     // factory-reset buttons "*"
inline constexpr Colour ColoreBanner = 0xC77158;      // banner and exit question
inline constexpr Colour ColoreSfondo = 0xCFEAFE;      // panels behind the regions
inline constexpr Colour ColoreKeloPronto = 0xC77892;  // persona ready to comment
inline constexpr Colour ColoreRosso = 0x0000FF;       // &HFF
inline constexpr Colour ColoreRossoScuro = 0x0000C0;  // &HC0
inline constexpr Colour ColoreVerde = 0xC0FFC0;       // "NO" of the exit question
inline constexpr Colour ColoreRiazzera = 0xC0E0FF;    // restart mark cleared

}  // namespace kelo
