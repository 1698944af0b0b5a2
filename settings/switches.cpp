#include "settings/switches.h"

#include "model/cell_access.h"
#include "model/cell_roles.h"
#include "settings/held_stepper.h"

namespace kelo {

namespace {
// The count moves with the switch, one up or down; the last switch on is refused.
void pressCountedSwitch(frmKeloTrundo15& f, Label& sw, Label& count) {
    markProfileEdited(f);
    if (sw.BackColor == ColoreSpento) {
        sw.BackColor = ColoreAcceso;
        setNumber(count, add16(number(count), 1));
    } else if (number(count) != 1) {
        sw.BackColor = ColoreSpento;
        setNumber(count, sub16(number(count), 1));
    }
}
}  // namespace

void lblCadenza_MouseDown(frmKeloTrundo15& f, int Index, const MouseArgs&) {
    if (Index >= 1 && Index <= 13) pressCountedSwitch(f, f.lblCadenza[Index], f.lblCadenza[Cadenza::Accese]);
}

void lblInciso_MouseDown(frmKeloTrundo15& f, int Index, const MouseArgs&) {
    if (Index >= 1 && Index <= 15) pressCountedSwitch(f, f.lblInciso[Index], f.lblInciso[Inciso::Accesi]);
}

void lblModo_MouseDown(frmKeloTrundo15& f, const MouseArgs&) {
    f.lblModo.Caption = f.lblModo.Caption == "M" ? "m" : "M";
    showHeld(f.lblModo);
}

void lblModo_MouseUp(frmKeloTrundo15& f, const MouseArgs&) { showAtRest(f.lblModo, ColorePeso); }

}  // namespace kelo
