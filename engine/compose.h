#pragma once
// One melody from the settings tables: the stages in their fixed order, then
// the section copy, the random tempo and the cadence's accompaniment.
namespace kelo {

struct frmKeloTrundo15;

// Clears the harmony and accompaniment and fills every melody table anew.
void ComponiMelodia(frmKeloTrundo15& f);

}  // namespace kelo
