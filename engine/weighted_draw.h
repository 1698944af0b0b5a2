#pragma once
// The weighted draw every table-driven choice of the composer makes: consecutive
// ranges over the eligible items, one NumeroCasuale over the total.
#include "platform/controls.h"

namespace kelo {

struct frmKeloTrundo15;

// The consecutive ranges of one weighted draw as they are built: kept here, and
// shown in the scratch cells of the draw, which nobody reads back.
struct DrawRanges {
    int lo[17] = {};
    int hi[17] = {};
    int count = 0;
    int total = 0;

    // Appends the next eligible candidate's range, shows its bounds, returns its number.
    int add(int weight, Label& minCell, Label& maxCell);
    // The candidate whose range holds r (the ranges partition 1..total), 0 for none.
    int holding(int r) const;
};

// NumeroCasuale(total) for a weighted draw over `table`. A total below 1 has
// nothing to draw from: it raises a RuntimeError that names the table instead of
// dividing by zero.
int drawOverTotal(frmKeloTrundo15& f, int total, const char* table);

// The song-form and cadence draw: the items 1..count of `source` whose background
// is ColoreAcceso are the candidates, with the weights in the same items of
// `weights`; candidates and ranges go into lblScelta / lblMinScelta / lblMaxScelta
// (total in lblMaxScelta(16), drawn number in lblMinScelta(16)). Returns the
// winner's index in lblScelta.
int EstrazionePesata(frmKeloTrundo15& f, ControlArray<Label>& source, ControlArray<Label>& weights, int count,
                     const char* table);

}  // namespace kelo
