#include "settings/held_stepper.h"

#include "model/cell_access.h"
#include "model/cell_roles.h"
#include "settings/factory_defaults.h"

namespace kelo {

namespace {
bool reacts(const HeldStepper& s, int index) { return s.steps(index) || index == s.timerOnly; }
}  // namespace

void pressHeld(frmKeloTrundo15& f, const HeldStepper& s, int index) {
    if (!reacts(s, index)) return;
    if (s.steps(index)) {
        Label& cell = s.item(f, index);
        if (cell.Caption == "X") return;  // a forbidden cell is never pressed
        if (s.renames) markProfileEdited(f);
        if (s.heldItem >= 0) setNumber(s.item(f, s.heldItem), index);
        s.step(f, s, index);
        showHeld(cell);
    }
    (f.*s.timer).SetEnabled(true);
}

void tickHeld(frmKeloTrundo15& f, const HeldStepper& s) {
    s.step(f, s, s.heldItem >= 0 ? number(s.item(f, s.heldItem)) : -1);
}

void releaseHeld(frmKeloTrundo15& f, const HeldStepper& s, int index) {
    if (!reacts(s, index)) return;
    showAtRest(s.item(f, index), s.rest);
    (f.*s.timer).SetEnabled(false);
    if (s.released) s.released(f, s, index);
}

void stepWeight(Label& cell) {
    if (cell.Caption == "X") return;
    if (cell.Caption == "16")
        cell.Caption = "1";
    else
        setNumber(cell, add16(number(cell), 1));
}

void stepHeldWeight(frmKeloTrundo15& f, const HeldStepper& s, int held) { stepWeight(s.item(f, held)); }

void markProfileEdited(frmKeloTrundo15& f) {
    Label& name = f.lblScritteVarie[ScritteVarie::NomeProfilo];
    if (name.Caption == kFactoryProfileName) name.Caption = "modificati dall'Utente";
}

void showHeld(Label& cell) {
    cell.BackColor = ColoreTenuto;
    cell.BorderStyle = 1;
}

void showAtRest(Label& cell, Colour rest) {
    cell.BackColor = rest;
    cell.BorderStyle = 0;
}

}  // namespace kelo
