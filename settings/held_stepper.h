#pragma once
// The press-and-hold stepper every editable number of the settings shares: a
// press steps the cell once, names it in the table's held-index item and starts
// the table's repeat timer; each tick steps the cell that item names; the release
// gives the cell its rest look back and stops the timer. The members differ only
// in the data of a HeldStepper.
#include "model/colours.h"
#include "model/main_window.h"

namespace kelo {

struct HeldStepper;

// One step of the held item; `held` is the index the held-index item names
// (-1 for a table without one).
using StepRule = void (*)(frmKeloTrundo15& f, const HeldStepper& s, int held);
// What a release does after the rest look and the timer, for the pressed index.
using ReleaseRule = void (*)(frmKeloTrundo15& f, const HeldStepper& s, int index);

struct HeldStepper {
    ControlArray<Label> frmKeloTrundo15::*cells = nullptr;  // the table, or
    Label frmKeloTrundo15::*single = nullptr;               // its one label (held by index -1)
    int first = -1, last = -1;                              // the items a press steps
    int extra = -2;                                         // one more item a press steps (the pool size), or none
    int timerOnly = -2;  // an item whose press only starts the timer (the tempo level), or none
    int heldItem = -1;   // the hidden held-index item, -1 for none
    Timer frmKeloTrundo15::*timer = nullptr;
    Colour rest = ColorePeso;
    bool renames = true;  // a press marks the factory profile as edited
    StepRule step = nullptr;
    ReleaseRule released = nullptr;

    Label& item(frmKeloTrundo15& f, int index) const { return cells ? (f.*cells)[index] : f.*single; }
    bool steps(int index) const { return (index >= first && index <= last) || index == extra; }
};

void pressHeld(frmKeloTrundo15& f, const HeldStepper& s, int index);
void tickHeld(frmKeloTrundo15& f, const HeldStepper& s);
void releaseHeld(frmKeloTrundo15& f, const HeldStepper& s, int index);

// The weight rule: exactly "16" wraps to "1", any other number goes up by one.
// A forbidden cell "X" never steps.
void stepWeight(Label& cell);
void stepHeldWeight(frmKeloTrundo15& f, const HeldStepper& s, int held);

// The factory profile name becomes "modificati dall'Utente"; any other name stays.
void markProfileEdited(frmKeloTrundo15& f);
void showHeld(Label& cell);
void showAtRest(Label& cell, Colour rest);

}  // namespace kelo
