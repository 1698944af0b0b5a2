#include "engine/weighted_draw.h"

#include <string>

#include "model/cell_access.h"
#include "model/main_window.h"
#include "model/random_draw.h"
#include "platform/runtime_error.h"

namespace kelo {

int DrawRanges::add(int weight, Label& minCell, Label& maxCell) {
    ++count;
    lo[count] = add16(total, 1);
    setNumber(minCell, lo[count]);
    total = add16(total, weight);
    hi[count] = total;
    setNumber(maxCell, total);
    return count;
}

int DrawRanges::holding(int r) const {
    for (int k = 1; k <= count; ++k)
        if (lo[k] <= r && r <= hi[k]) return k;
    return 0;
}

int drawOverTotal(frmKeloTrundo15& f, int total, const char* table) {
    if (total < 1)
        raise(ErrorCode::InvalidCall, std::string("weighted draw over ") + table +
                                          ": the eligible weights add up to " + std::to_string(total) +
                                          ", nothing can be drawn");
    return NumeroCasuale(f, total);
}

int EstrazionePesata(frmKeloTrundo15& f, ControlArray<Label>& source, ControlArray<Label>& weights, int count,
                     const char* table) {
    for (int k = 0; k <= 15; ++k) {
        f.lblScelta[k].Caption.clear();
        f.lblMinScelta[k].Caption.clear();
        f.lblMaxScelta[k].Caption.clear();
    }
    f.lblMaxScelta[0].Caption = "0";

    DrawRanges ranges;
    for (int i = 1; i <= count && ranges.count < 15; ++i) {
        if (!isOn(source[i])) continue;
        int n = ranges.add(number(weights[i]), f.lblMinScelta[ranges.count + 1], f.lblMaxScelta[ranges.count + 1]);
        f.lblScelta[n].Caption = source[i].Caption;
        setNumber(f.lblMaxScelta[16], ranges.total);
    }

    int r = drawOverTotal(f, ranges.total, table);
    setNumber(f.lblMinScelta[16], r);
    return ranges.holding(r);
}

}  // namespace kelo
