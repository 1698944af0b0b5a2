#pragma once
// The editors of the two rhythm-module lists: module switches with their count,
// and the weights and the pool size on the shared press-and-hold stepper.
#include "platform/controls.h"

namespace kelo {

struct frmKeloTrundo15;

// Switches module Index on, or off while more than four are on; then recounts
// and lowers the pool size to the count.
void lblModulo_MouseDown(frmKeloTrundo15& f, int Index, const MouseArgs& m);
void lblModuloB_MouseDown(frmKeloTrundo15& f, int Index, const MouseArgs& m);

// Items 1..13 are weights, item 26 the pool size (4 up to the count, then 4 again).
void lblFreqInc_MouseDown(frmKeloTrundo15& f, int Index, const MouseArgs& m);
void lblFreqInc_MouseUp(frmKeloTrundo15& f, int Index, const MouseArgs& m);
void TmrMod_Timer(frmKeloTrundo15& f);
void lblFreIncB_MouseDown(frmKeloTrundo15& f, int Index, const MouseArgs& m);
void lblFreIncB_MouseUp(frmKeloTrundo15& f, int Index, const MouseArgs& m);
void TmrModB_Timer(frmKeloTrundo15& f);

}  // namespace kelo
