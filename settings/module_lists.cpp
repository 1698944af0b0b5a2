#include "settings/module_lists.h"

#include "model/cell_access.h"
#include "model/cell_roles.h"
#include "settings/held_stepper.h"

namespace kelo {

namespace {

using W = frmKeloTrundo15;

void stepPoolOrWeight(frmKeloTrundo15& f, const HeldStepper& s, int held) {
    if (held != FreqInc::DaEstrarre) return stepWeight(s.item(f, held));
    Label& pool = s.item(f, FreqInc::DaEstrarre);
    int count = number(s.item(f, FreqInc::Accesi));
    int next = add16(number(pool), 1);
    if (pool.Caption == "13" || next > count)
        pool.Caption = "4";
    else
        setNumber(pool, next);
}

// clang-format off
const HeldStepper kMod{.cells = &W::lblFreqInc, .first = 1, .last = 13, .extra = FreqInc::DaEstrarre,
                       .heldItem = FreqInc::IndiceTenuto, .timer = &W::TmrMod, .step = stepPoolOrWeight};
const HeldStepper kModB{.cells = &W::lblFreIncB, .first = 1, .last = 13, .extra = FreqInc::DaEstrarre,
                        .heldItem = FreqInc::IndiceTenuto, .timer = &W::TmrModB, .step = stepPoolOrWeight};
// clang-format on

void pressModuleSwitch(frmKeloTrundo15& f, ControlArray<Label>& switches, ControlArray<Label>& weights, int Index) {
    markProfileEdited(f);
    Label& module = switches[Index];
    if (module.BackColor == ColoreSpento)
        module.BackColor = ColoreAcceso;
    else if (number(weights[FreqInc::Accesi]) > 4)
        module.BackColor = ColoreSpento;

    int on = 0;
    for (int k = 1; k <= 13; ++k) on += isOn(switches[k]) ? 1 : 0;
    setNumber(weights[FreqInc::Accesi], on);
    if (on < number(weights[FreqInc::DaEstrarre])) setNumber(weights[FreqInc::DaEstrarre], on);
}

}  // namespace

void lblModulo_MouseDown(frmKeloTrundo15& f, int Index, const MouseArgs&) {
    pressModuleSwitch(f, f.lblModulo, f.lblFreqInc, Index);
}
void lblModuloB_MouseDown(frmKeloTrundo15& f, int Index, const MouseArgs&) {
    pressModuleSwitch(f, f.lblModuloB, f.lblFreIncB, Index);
}

void lblFreqInc_MouseDown(frmKeloTrundo15& f, int Index, const MouseArgs&) { pressHeld(f, kMod, Index); }
void lblFreqInc_MouseUp(frmKeloTrundo15& f, int Index, const MouseArgs&) { releaseHeld(f, kMod, Index); }
void TmrMod_Timer(frmKeloTrundo15& f) { tickHeld(f, kMod); }
void lblFreIncB_MouseDown(frmKeloTrundo15& f, int Index, const MouseArgs&) { pressHeld(f, kModB, Index); }
void lblFreIncB_MouseUp(frmKeloTrundo15& f, int Index, const MouseArgs&) { releaseHeld(f, kModB, Index); }
void TmrModB_Timer(frmKeloTrundo15& f) { tickHeld(f, kModB); }

}  // namespace kelo
