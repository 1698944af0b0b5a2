#include "settings/weight_steppers.h"

#include "model/cell_access.h"
#include "model/cell_roles.h"
#include "settings/held_stepper.h"

namespace kelo {

namespace {

using W = frmKeloTrundo15;

// The final note's wrap after "16" goes by the held index: "DO" (item 4) to "1", the others to "0".
void stepFinalNote(frmKeloTrundo15& f, const HeldStepper& s, int held) {
    Label& cell = s.item(f, held);
    if (cell.Caption == "16")
        cell.Caption = s.item(f, s.heldItem).Caption == "4" ? "1" : "0";
    else
        stepWeight(cell);
}

// clang-format off
const HeldStepper kAccordi{.cells = &W::lblAccordi, .first = 1, .last = 9, .heldItem = Accordi::IndiceTenuto,
                           .timer = &W::TmrAccordi, .step = stepHeldWeight};
const HeldStepper kFreCad{.cells = &W::lblFreCad, .first = 1, .last = 13, .heldItem = FreCad::IndiceTenuto,
                          .timer = &W::TmrFreCad, .step = stepHeldWeight};
const HeldStepper kNota{.cells = &W::lblNota, .first = 1, .last = 130, .heldItem = Nota::IndiceTenuto,
                        .timer = &W::TmrNota, .step = stepHeldWeight};
const HeldStepper kIncisi{.cells = &W::lblFreqIncisi, .first = 1, .last = 15, .heldItem = FreqIncisi::IndiceTenuto,
                          .timer = &W::TmrIncisi, .step = stepHeldWeight};
const HeldStepper kFinali{.cells = &W::lblNotafinale, .first = 1, .last = 4, .heldItem = Notafinale::IndiceTenuto,
                          .timer = &W::TmrFinali, .step = stepFinalNote};
const HeldStepper kRip{.single = &W::lblRip, .timer = &W::TmrRip, .renames = false, .step = stepHeldWeight};
// clang-format on

}  // namespace

void lblAccordi_MouseDown(frmKeloTrundo15& f, int Index, const MouseArgs&) { pressHeld(f, kAccordi, Index); }
void lblAccordi_MouseUp(frmKeloTrundo15& f, int Index, const MouseArgs&) { releaseHeld(f, kAccordi, Index); }
void TmrAccordi_Timer(frmKeloTrundo15& f) { tickHeld(f, kAccordi); }

void lblFreCad_MouseDown(frmKeloTrundo15& f, int Index, const MouseArgs&) { pressHeld(f, kFreCad, Index); }
void lblFreCad_MouseUp(frmKeloTrundo15& f, int Index, const MouseArgs&) { releaseHeld(f, kFreCad, Index); }
void TmrFreCad_Timer(frmKeloTrundo15& f) { tickHeld(f, kFreCad); }

void lblNota_MouseDown(frmKeloTrundo15& f, int Index, const MouseArgs&) { pressHeld(f, kNota, Index); }
void lblNota_MouseUp(frmKeloTrundo15& f, int Index, const MouseArgs&) { releaseHeld(f, kNota, Index); }
void TmrNota_Timer(frmKeloTrundo15& f) { tickHeld(f, kNota); }

void lblFreqIncisi_MouseDown(frmKeloTrundo15& f, int Index, const MouseArgs&) {
    if (Index != FreqIncisi::Copy) return pressHeld(f, kIncisi, Index);
    toggle(f.lblFreqIncisi[FreqIncisi::Copy]);
}
void lblFreqIncisi_MouseUp(frmKeloTrundo15& f, int Index, const MouseArgs&) { releaseHeld(f, kIncisi, Index); }
void TmrIncisi_Timer(frmKeloTrundo15& f) { tickHeld(f, kIncisi); }

void lblNotafinale_MouseDown(frmKeloTrundo15& f, int Index, const MouseArgs&) { pressHeld(f, kFinali, Index); }
void lblNotafinale_MouseUp(frmKeloTrundo15& f, int Index, const MouseArgs&) { releaseHeld(f, kFinali, Index); }
void TmrFinali_Timer(frmKeloTrundo15& f) { tickHeld(f, kFinali); }

void lblRip_MouseDown(frmKeloTrundo15& f, const MouseArgs&) { pressHeld(f, kRip, -1); }
void lblRip_MouseUp(frmKeloTrundo15& f, const MouseArgs&) { releaseHeld(f, kRip, -1); }
void TmrRip_Timer(frmKeloTrundo15& f) { tickHeld(f, kRip); }

}  // namespace kelo
