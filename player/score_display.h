#pragma once
// The score: note pictures in the 32 quarter boxes of the staff.
namespace kelo {

struct frmKeloTrundo15;

// Blanks the 32 note boxes with empty staff.
void SvuotaImmaginiNote(frmKeloTrundo15& f);

}  // namespace kelo
