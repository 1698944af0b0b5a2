#pragma once
// The link step: fills the 32 note slots from rhythm codes and pivots, drawing a
// two-note link figure for every half-bar that sounds two notes.
namespace kelo {

struct frmKeloTrundo15;

// Writes lblMelos(1..32) from lblDueQuarti, lblPerno and lblArmonie; leaves the
// case cells, the page and the link scratch on the last linked half-bar.
void cmdScegliCollegamento2_Click(frmKeloTrundo15& f);

// The older link routine of the hidden panel ("Scegli Collegamento"): for every
// half-bar, whatever its code, a draw over the figures of the case on show before
// the pivot si (page cells 1..8); each half-bar's slots then take the first note of
// the first allowed figure and the second note of the second, not the drawn one.
void cmdScegliCollegamento_Click(frmKeloTrundo15& f);

}  // namespace kelo
