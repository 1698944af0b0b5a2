#include "engine/weighted_draw.h"

#include <string>

#include "app/main_window.h"
#include "engine/cell_access.h"
#include "engine/random_draw.h"
#include "platform/runtime_error.h"

namespace kelo {

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

    // The bounds are kept here as well as in the scratch, which only shows them.
    int lo[16] = {};
    int hi[16] = {};
    int n = 0;
    int total = 0;
    for (int i = 1; i <= count && n < 15; ++i) {
        if (!isOn(source[i])) continue;
        ++n;
        f.lblScelta[n].Caption = source[i].Caption;
        lo[n] = add16(hi[n - 1], 1);
        setNumber(f.lblMinScelta[n], lo[n]);
        total = add16(total, number(weights[i]));
        hi[n] = total;
        setNumber(f.lblMaxScelta[n], total);
        setNumber(f.lblMaxScelta[16], total);
    }

    int r = drawOverTotal(f, total, table);
    setNumber(f.lblMinScelta[16], r);

    // The ranges partition 1..total, so exactly one candidate holds r.
    int winner = 0;
    for (int k = 1; k <= n && !f.lblScelta[k].Caption.empty(); ++k)
        if (lo[k] <= r && r <= hi[k]) winner = k;
    return winner;
}

}  // namespace kelo
