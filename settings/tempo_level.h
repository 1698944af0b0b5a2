#pragma once
// The tempo level 1..16 between the arrows "<" and ">": a press moves it one
// level, a hold moves it on and stops at the ends, and the release sets the
// playback interval of the level reached.
#include "platform/controls.h"

namespace kelo {

struct frmKeloTrundo15;

void lblVeloc_MouseDown(frmKeloTrundo15& f, int Index, const MouseArgs& m);
void lblVeloc_MouseUp(frmKeloTrundo15& f, int Index, const MouseArgs& m);
void TmrVeloc_Timer(frmKeloTrundo15& f);

}  // namespace kelo
