#pragma once
// Chords of the half-bars, the closing cadence and the accompaniment codes that
// tell the sequencer which chord sample to strike where.
namespace kelo {

struct frmKeloTrundo15;

// Draws the cadence among those switched on into lblCadenza(14).
void EstraiCadenza(frmKeloTrundo15& f);
// The harmony stage: the cadence and its chords 13..15, then chords 2..12 by the
// chord-transition weights.
void cmdScegliArmonie_Click(frmKeloTrundo15& f);
// Accompaniment codes of half-bars 13..16 from the cadence.
void ApplicaCadenza(frmKeloTrundo15& f);
// Accompaniment codes of half-bars 1..12 from chords, pivots and a draw.
void ScegliAccompagnamento(frmKeloTrundo15& f);

}  // namespace kelo
