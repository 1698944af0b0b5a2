#pragma once
// The developer's batch self-test: every 50 ms tick composes a whole melody and
// counts the compositions, and those that had to restart for two equal module pairs.
namespace kelo {

struct frmKeloTrundo15;

// Starts or stops the self-test; its counters are kept either way.
void Command2_Click(frmKeloTrundo15& f);
// lblPassaggi counts the compositions, lblUguali those left with the restart mark.
void TmrProva_Timer(frmKeloTrundo15& f);

}  // namespace kelo
