#pragma once
// The pivot-note weights as the window is designed, which are also the factory
// weights: one source for the design values, the defaults and the settings check.
namespace kelo {

// The 23 cells of lblNota (1..130) that always hold "X".
bool isForbiddenPivotCell(int item);
// The factory weight of lblNota(item), 0 for a cell that holds "X".
int factoryPivotWeight(int item);

}  // namespace kelo
