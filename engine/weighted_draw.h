#pragma once
// The weighted draw every table-driven choice of the composer makes: each
// candidate in turn takes the next range of its weight within 1..total, and one
// NumeroCasuale over the total picks the candidate whose range holds it.
#include "platform/controls.h"

namespace kelo {

struct Form;
struct frmKeloTrundo15;

class WeightedDraw {
public:
    // `table` names the weights in the error of a total below 1. A pair draws over
    // the pool's `total`, its members keeping the ranges the pool gave them.
    explicit WeightedDraw(const char* table, int total = 0) : table_(table), total_(total) {}

    // The next candidate, its range right after the last one's; returns its
    // number, from 1.
    int add(int weight);
    // The same, its bounds shown in item n of `mins` and `maxes`.
    int add(int weight, ControlArray<Label>& mins, ControlArray<Label>& maxes);
    // The module lists' one special case: a row that keeps the range its cells
    // show from an earlier pool, outside the total.
    int keep(const Label& min, const Label& max);

    int count() const { return count_; }
    int total() const { return total_; }

    // NumeroCasuale over the total (shown in `drawn`), and the first candidate
    // whose range holds it, 0 for none. A total below 1 has nothing to draw from:
    // it raises a RuntimeError that names the table instead of dividing by zero.
    int draw(Form& f) const;
    int draw(Form& f, Label& drawn) const;

private:
    int append(int lo, int hi);
    int overTotal(Form& f) const;
    int holding(int r) const;

    static constexpr int kMostCandidates = 15;  // the song forms
    const char* table_;
    int total_;
    int count_ = 0;
    int lo_[kMostCandidates + 1] = {};
    int hi_[kMostCandidates + 1] = {};
};

// The song-form and cadence draw: the items 1..count of `source` whose background
// is ColoreAcceso are the candidates, with the weights in the same items of
// `weights`; candidates and ranges go into lblScelta / lblMinScelta / lblMaxScelta
// (total in lblMaxScelta(16), drawn number in lblMinScelta(16)). Returns the
// winner's index in lblScelta.
int EstrazionePesata(frmKeloTrundo15& f, ControlArray<Label>& source, ControlArray<Label>& weights, int count,
                     const char* table);

}  // namespace kelo
