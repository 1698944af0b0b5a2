#pragma once
// The box every score picture is drawn in. The program stretches each picture
// into 495 x 1935 twips and lets neighbours overlap by 15 twips, so all of them
// carry the five staff lines at the same rows and the pictures join into one staff.

namespace kelo::datatree::staff {

inline constexpr int kScale = 4;              // picture pixels per screen pixel at design size
inline constexpr int kWidth = 33 * kScale;    // 495 twips
inline constexpr int kHeight = 129 * kScale;  // 1935 twips

// The program's bar lines run from twip 240 to twip 1215 of the box.
inline constexpr double kTopLineY = kHeight * 240.0 / 1935.0;
inline constexpr double kBottomLineY = kHeight * 1215.0 / 1935.0;
inline constexpr double kSpace = (kBottomLineY - kTopLineY) / 4.0;

inline constexpr double kLineThickness = 6.0;
inline constexpr double kLedgerThickness = 7.0;
inline constexpr double kStemThickness = 7.0;
inline constexpr double kStemLength = 3.5 * kSpace;
// Nothing but staff lines comes closer to the left and right edges than this,
// so a neighbour's picture never cuts a symbol.
inline constexpr double kSideMargin = 4.0;

// Height of a diatonic step counted up from the bottom line (E4 = 0): half a space each.
constexpr double stepY(int step) { return kBottomLineY - step * kSpace / 2.0; }

// Line 0 is the bottom line, line 4 the top one.
constexpr double lineY(int line) { return stepY(2 * line); }

}  // namespace kelo::datatree::staff
