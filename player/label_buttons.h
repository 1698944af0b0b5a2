#pragma once
// The option label-buttons under the score: labels whose background colour is
// their state.
namespace kelo {

struct frmKeloTrundo15;

// Repeat mode, "Indicatori", "Subito", play/stop, "Accordi", "Random", "Minore", "Commenti".
void lblPulsante_Click(frmKeloTrundo15& f, int Index);

}  // namespace kelo
