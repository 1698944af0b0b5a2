#pragma once
// The label "Var": a variant of the melody on the score.
#include "platform/controls.h"

namespace kelo {

struct frmKeloTrundo15;

// Only while the compose button is enabled (no composition or reveal runs); "Var"
// then stays lit and disabled until the end of the variant's reveal.
void lblVariante_MouseDown(frmKeloTrundo15& f, const MouseArgs& m);

}  // namespace kelo
