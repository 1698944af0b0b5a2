#pragma once
// Delivering user events to a control's handlers, as both backends do: only a
// control that is shown and enabled (with every frame around it) receives them.
#include "platform/controls.h"

namespace kelo {

struct Form;

bool deliverMouseDown(Control& c, const MouseArgs& args = {});
bool deliverMouseUp(Control& c, const MouseArgs& args = {});
bool deliverClick(Control& c);
// A full press: mouse-down, mouse-up, click.
bool deliverPress(Control& c, const MouseArgs& args = {});
// Enter clicks the focused command button.
bool deliverEnter(Form& form);

}  // namespace kelo
