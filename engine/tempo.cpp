#include "engine/tempo.h"

#include <array>
#include <cmath>
#include <string>

#include "model/cell_access.h"
#include "model/cell_roles.h"
#include "model/main_window.h"
#include "model/random_draw.h"

namespace kelo {

namespace {
std::array<int, 16> makeTempoTable() {
    std::array<int, 16> t{};
    for (int level = 1; level <= 16; ++level)
        t[static_cast<size_t>(level - 1)] = static_cast<int>(std::lround(600.0 * std::exp2(-(level - 1) / 5.0)));
    return t;
}
const std::array<int, 16> kTempo = makeTempoTable();

// Upper end of the draw 1..56 for the levels 15 down to 2: chances 1, 2, .., 7, 7, .., 2, 1.
constexpr int kLevelTop[14] = {1, 3, 6, 10, 15, 21, 28, 35, 41, 46, 50, 53, 55, 56};
}  // namespace

int tempoInterval(int level) {
    if (level < 1) level = 1;
    if (level > 16) level = 16;
    return kTempo[static_cast<size_t>(level - 1)];
}

int tempoLevelOf(std::string_view text) {
    for (int level = 1; level <= 16; ++level)
        if (text == std::to_string(tempoInterval(level))) return level;
    return 0;
}

void ScegliVelocita(frmKeloTrundo15& f) {
    int r = NumeroCasuale(f, 56);
    int level = 15;
    for (int top : kLevelTop) {
        if (r <= top) break;
        --level;
    }
    setNumber(f.lblVeloc[Veloc::Livello], level);
    f.TmrAudio.SetInterval(tempoInterval(level));
}

}  // namespace kelo
