#pragma once
// The cadence and song-form switches, each group with its count of switches on
// (the last one on stays on), and the mode switch lblModo.
#include "platform/controls.h"

namespace kelo {

struct frmKeloTrundo15;

// Only the switches react (lblCadenza(1..13), lblInciso(1..15)); the drawn
// cadence and song form on the engine panel are no switches.
void lblCadenza_MouseDown(frmKeloTrundo15& f, int Index, const MouseArgs& m);
void lblInciso_MouseDown(frmKeloTrundo15& f, int Index, const MouseArgs& m);

void lblModo_MouseDown(frmKeloTrundo15& f, const MouseArgs& m);
void lblModo_MouseUp(frmKeloTrundo15& f, const MouseArgs& m);

}  // namespace kelo
