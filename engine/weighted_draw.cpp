#include "engine/weighted_draw.h"

#include <string>

#include "model/cell_access.h"
#include "model/cell_roles.h"
#include "model/main_window.h"
#include "model/random_draw.h"
#include "platform/runtime_error.h"

namespace kelo {

int WeightedDraw::append(int lo, int hi) {
    if (count_ == kMostCandidates)
        raise(ErrorCode::SubscriptOutOfRange, std::string("too many candidates for one draw over ") + table_);
    ++count_;
    lo_[count_] = lo;
    hi_[count_] = hi;
    return count_;
}

int WeightedDraw::add(int weight) {
    const int lo = total_ + 1;
    total_ = add16(total_, weight);
    return append(lo, total_);
}

int WeightedDraw::add(int weight, ControlArray<Label>& mins, ControlArray<Label>& maxes) {
    const int n = count_ + 1;
    setNumber(mins[n], total_ + 1);
    add(weight);
    setNumber(maxes[n], total_);
    return n;
}

int WeightedDraw::keep(const Label& min, const Label& max) {
    const int lo = number(min);
    return append(lo, number(max));
}

int WeightedDraw::overTotal(Form& f) const {
    if (total_ < 1)
        raise(ErrorCode::InvalidCall, std::string("weighted draw over ") + table_ +
                                          ": the eligible weights add up to " + std::to_string(total_) +
                                          ", nothing can be drawn");
    return NumeroCasuale(f, total_);
}

int WeightedDraw::holding(int r) const {
    for (int k = 1; k <= count_; ++k)
        if (lo_[k] <= r && r <= hi_[k]) return k;
    return 0;
}

int WeightedDraw::draw(Form& f) const { return holding(overTotal(f)); }

int WeightedDraw::draw(Form& f, Label& drawn) const {
    const int r = overTotal(f);
    setNumber(drawn, r);
    return holding(r);
}

int EstrazionePesata(frmKeloTrundo15& f, ControlArray<Label>& source, ControlArray<Label>& weights, int count,
                     const char* table) {
    for (int k = 0; k <= 15; ++k) {
        f.lblScelta[k].Caption.clear();
        f.lblMinScelta[k].Caption.clear();
        f.lblMaxScelta[k].Caption.clear();
    }
    f.lblMaxScelta[MaxScelta::Inizio].Caption = "0";

    WeightedDraw items(table);
    for (int i = 1; i <= count && items.count() < 15; ++i) {
        if (!isOn(source[i])) continue;
        int n = items.add(number(weights[i]), f.lblMinScelta, f.lblMaxScelta);
        f.lblScelta[n].Caption = source[i].Caption;
        setNumber(f.lblMaxScelta[MaxScelta::Totale], items.total());
    }
    return items.draw(f, f.lblMinScelta[MinScelta::Casuale]);
}

}  // namespace kelo
