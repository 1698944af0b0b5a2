#pragma once
// The factory values of the settings tables, group by group, and the eight "*"
// label-buttons lblDefault(0..7) that put them back.
#include "platform/controls.h"

namespace kelo {

struct frmKeloTrundo15;

inline constexpr const char* kFactoryProfileName = "Kelo (trundo) 2020";

void DefaultModuli(frmKeloTrundo15& f);           // first-bar module list
void DefaultModuliB(frmKeloTrundo15& f);          // second-bar module list
void DefaultIncisi(frmKeloTrundo15& f);           // song forms, "Copy" switch, lblRip
void DefaultAccordi(frmKeloTrundo15& f);          // chord transitions and final notes
void RipristinaCollegamenti(frmKeloTrundo15& f);  // link bank, then the case shown and its page
void DefaultNote(frmKeloTrundo15& f);             // pivot-note weights (never the "X" cells)
void DefaultCadenze(frmKeloTrundo15& f);          // cadences

// The factory profile name, then all seven groups in the order above.
void resetAllToFactory(frmKeloTrundo15& f);

// Pressed look first, then button 0 resets everything, 1..7 one group each.
void lblDefault_MouseDown(frmKeloTrundo15& f, int Index, const MouseArgs& m);
// Back to the normal look.
void lblDefault_MouseUp(frmKeloTrundo15& f, int Index, const MouseArgs& m);

}  // namespace kelo
