#pragma once
// Delivering user events to a control's handlers, as both backends do: only a
// control that is shown and enabled (with every frame around it) receives them,
// except the release: it belongs to the control that took the press, even when
// that control has been hidden or disabled since.
#include "platform/controls.h"

namespace kelo {

struct Form;

bool deliverMouseDown(Control& c, const MouseArgs& args = {});
// Only for the control that took the mouse-down.
bool deliverMouseUp(Control& c, const MouseArgs& args = {});
bool deliverClick(Control& c);
// Enter clicks the focused command button.
bool deliverEnter(Form& form);

// Runs a control's click handler as the program's own code calls it, whatever
// the control's state: how a lower layer reaches a handler bound above it.
// A control with no handler bound is the run-time error.
void raiseClick(Control& c);

}  // namespace kelo
