#pragma once
// Playback of the melody on show.
namespace kelo {

struct frmKeloTrundo15;

// Stops a running piece at once: counters back to zero, the play label back to
// ">", every note and chord player closed, every light off. The persona's
// players are left alone, so a comment being spoken goes on.
void FermaEsecuzione(frmKeloTrundo15& f);

}  // namespace kelo
