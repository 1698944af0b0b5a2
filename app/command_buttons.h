#pragma once
// The command label-buttons of the bottom row: "Esc", and "Save" and "Load" of a
// melody (under "MELODIE") and of a settings profile (under "DATI").
namespace kelo {

struct frmKeloTrundo15;

void lblPuls_Click(frmKeloTrundo15& f, int Index);

}  // namespace kelo
