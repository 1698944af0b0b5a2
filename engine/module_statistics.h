#pragma once
// The developer's statistics of the module-pool draw: every 50 ms tick draws the
// pool of one module list once and counts, per candidate position (the switched-on
// modules in list order), how often the candidate was in the pool.
namespace kelo {

struct frmKeloTrundo15;

// Start (counters back to "0") or stop (counters kept) the run of the first or
// the second module list.
void cmdExp_Click(frmKeloTrundo15& f);
void cmdExp2_Click(frmKeloTrundo15& f);

// One tick: lblExp(0) / lblExp2(0) counts the ticks, items 1..13 the positions.
// The melody on the score is left alone: a tick draws candidates and pool (the
// first list also its first-bar module) and no pair, bar or rhythm code.
void TmrExp_Timer(frmKeloTrundo15& f);
void TmrExp2_Timer(frmKeloTrundo15& f);

}  // namespace kelo
