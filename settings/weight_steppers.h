#pragma once
// The weight steppers of the song forms, cadences, chord transitions, final notes
// and pivot notes, the section-copy chance lblRip and the "Copy" switch: thin
// entries into the shared press-and-hold stepper.
#include "platform/controls.h"

namespace kelo {

struct frmKeloTrundo15;

void lblAccordi_MouseDown(frmKeloTrundo15& f, int Index, const MouseArgs& m);
void lblAccordi_MouseUp(frmKeloTrundo15& f, int Index, const MouseArgs& m);
void TmrAccordi_Timer(frmKeloTrundo15& f);

void lblFreCad_MouseDown(frmKeloTrundo15& f, int Index, const MouseArgs& m);
void lblFreCad_MouseUp(frmKeloTrundo15& f, int Index, const MouseArgs& m);
void TmrFreCad_Timer(frmKeloTrundo15& f);

void lblNota_MouseDown(frmKeloTrundo15& f, int Index, const MouseArgs& m);
void lblNota_MouseUp(frmKeloTrundo15& f, int Index, const MouseArgs& m);
void TmrNota_Timer(frmKeloTrundo15& f);

// Item 0 is the "Copy" switch: a press toggles it and does nothing else.
void lblFreqIncisi_MouseDown(frmKeloTrundo15& f, int Index, const MouseArgs& m);
void lblFreqIncisi_MouseUp(frmKeloTrundo15& f, int Index, const MouseArgs& m);
void TmrIncisi_Timer(frmKeloTrundo15& f);

// "do'", "SOL" and "MI" run 0..16, "DO" 1..16, so "DO" can always be drawn.
void lblNotafinale_MouseDown(frmKeloTrundo15& f, int Index, const MouseArgs& m);
void lblNotafinale_MouseUp(frmKeloTrundo15& f, int Index, const MouseArgs& m);
void TmrFinali_Timer(frmKeloTrundo15& f);

// The section-copy chance leaves the profile name alone.
void lblRip_MouseDown(frmKeloTrundo15& f, const MouseArgs& m);
void lblRip_MouseUp(frmKeloTrundo15& f, const MouseArgs& m);
void TmrRip_Timer(frmKeloTrundo15& f);

}  // namespace kelo
