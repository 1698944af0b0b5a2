#include "engine/module_statistics.h"

#include "engine/rhythm_modules.h"
#include "model/cell_access.h"
#include "model/cell_roles.h"
#include "model/main_window.h"

namespace kelo {

namespace {

struct StatisticsRun {
    Timer& timer;
    ControlArray<Label>& counts;      // 0 ticks, 1..13 positions
    ControlArray<Label>& candidates;  // the list's candidates, background = in the pool
    void (*draw)(frmKeloTrundo15&);
};

// The second list's own stage would go on to the pairs, the bars and the rhythm
// of the melody on show (and could restart a whole composition): the pool is all
// that is counted.
void secondPool(frmKeloTrundo15& f) {
    ElencaModuliSceltiB(f);
    EstraiModuliB(f);
}

StatisticsRun firstRun(frmKeloTrundo15& f) {
    return {f.TmrExp, f.lblExp, f.lblScegliModulo, cmdScegliPrimiModuli_Click};
}
StatisticsRun secondRun(frmKeloTrundo15& f) { return {f.TmrExp2, f.lblExp2, f.lblScegliModuloB, secondPool}; }

void startOrStop(const StatisticsRun& run) {
    if (run.timer.Enabled()) {
        run.timer.SetEnabled(false);
        return;
    }
    for (int i = 0; i <= 13; ++i) run.counts[i].Caption = "0";
    run.timer.SetEnabled(true);
}

void tick(frmKeloTrundo15& f, const StatisticsRun& run) {
    stepCounter(run.counts[Exp::Estrazioni]);
    run.draw(f);
    for (int i = 1; i <= 13; ++i)
        if (isOn(run.candidates[i])) stepCounter(run.counts[i]);
}

}  // namespace

void cmdExp_Click(frmKeloTrundo15& f) { startOrStop(firstRun(f)); }
void cmdExp2_Click(frmKeloTrundo15& f) { startOrStop(secondRun(f)); }
void TmrExp_Timer(frmKeloTrundo15& f) { tick(f, firstRun(f)); }
void TmrExp2_Timer(frmKeloTrundo15& f) { tick(f, secondRun(f)); }

}  // namespace kelo
