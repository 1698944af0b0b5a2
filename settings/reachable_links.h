#pragma once
// Which link rows (link case, next pivot) the composer can ever read, derived
// from the forbidden cells of the pivot-note weights and the final notes that
// can be drawn. A reachable row with no weight would leave the link draw
// nothing to draw from.
#include <array>

namespace kelo {

// [case N][next pivot r], N 1..13, r 1..10 (index 0 unused).
using LinkRows = std::array<std::array<bool, 11>, 14>;

// forbiddenPivot[item] is true where lblNota(item) holds "X" (items 1..130);
// finalDrawable[i] is true where the final note of lblNotafinale(i) can be drawn
// (items 1..4: do', SOL, MI, DO).
LinkRows reachableLinkRows(const std::array<bool, 131>& forbiddenPivot, const std::array<bool, 5>& finalDrawable);

// The link case of column j (1..13) of the pivot-note weights.
int linkCaseOfPivotColumn(int j);
// The pitch name of next pivot r (1..10), "si" .. "re'".
const char* linkRowPitchName(int r);

}  // namespace kelo
