#pragma once
// The song form of a melody (four section letters) and the optional copy of one
// section onto a later one with the same letter.
namespace kelo {

struct frmKeloTrundo15;

// Draws the song form among the forms switched on into lblInciso(23) and its
// letters of sections 2..4 into lblInciso(25..27).
void cmdScegliInciso_Click(frmKeloTrundo15& f);
// The same draw into lblInciso(23) alone; the letters stay as they were.
void cmdScegliInciso2_Click(frmKeloTrundo15& f);
// Copies section 1 or 2 onto section 2 or 3 by the form in lblInciso(23):
// modules, rhythm codes, pivots, chords and note slots.
void CopiaSezioneRipetuta(frmKeloTrundo15& f);

}  // namespace kelo
