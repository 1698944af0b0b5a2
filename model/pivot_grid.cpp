#include "model/pivot_grid.h"

namespace kelo {

namespace {

constexpr int X = 0;  // a pivot-note cell that is always "X"

// Pivot-note weights: one row per candidate (chord: pivot), columns the
// following pivot si .. re'.
constexpr int kPivotWeights[13][10] = {
    {8, 4, 12, 6, 4, 1, 1, X, 1, X},   // DO+: DO
    {4, 6, 8, 8, 10, 4, 2, 2, 1, X},   // DO+: MI
    {1, 4, 4, 6, 10, 4, 6, 7, 4, 1},   // DO+: SOL
    {X, 1, X, 1, 2, 3, 6, 12, 6, 4},   // DO+: do'
    {6, 4, 4, 1, X, 1, X, X, X, X},    // SOL+: si
    {9, 10, 8, 10, 6, 4, 1, 1, X, 1},  // SOL+: RE
    {1, 1, 4, 7, 12, 8, 6, 4, 1, 2},   // SOL+: SOL
    {X, X, 2, 1, X, 8, 4, 6, 4, 6},    // SOL+: SI
    {X, X, 1, X, 1, 2, 2, 2, 6, 4},    // SOL+: re'
    {12, 8, 5, 7, 2, 1, 1, X, 1, X},   // FA+: DO
    {1, 4, 5, 10, 5, 8, 8, X, 2, 1},   // FA+: FA
    {X, 1, 1, 3, 8, 10, 8, 1, 5, 4},   // FA+: LA
    {X, 2, X, 1, 1, 2, 8, 3, 3, 12},   // FA+: do'
};

}  // namespace

bool isForbiddenPivotCell(int item) { return factoryPivotWeight(item) == X; }

int factoryPivotWeight(int item) { return kPivotWeights[(item - 1) / 10][(item - 1) % 10]; }

}  // namespace kelo
