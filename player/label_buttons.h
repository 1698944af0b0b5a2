#pragma once
// The command label-buttons of the bottom row.
namespace kelo {

struct frmKeloTrundo15;

void lblPuls_Click(frmKeloTrundo15& f, int Index);

}  // namespace kelo
