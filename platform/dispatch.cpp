#include "platform/dispatch.h"

#include "platform/form.h"
#include "platform/runtime_error.h"

namespace kelo {

bool deliverMouseDown(Control& c, const MouseArgs& args) {
    if (!acceptsInput(c) || !c.On || !c.On->MouseDown) return false;
    c.On->MouseDown(c.Index, args);
    return true;
}

bool deliverMouseUp(Control& c, const MouseArgs& args) {
    if (!c.On || !c.On->MouseUp) return false;
    c.On->MouseUp(c.Index, args);
    return true;
}

bool deliverClick(Control& c) {
    if (!acceptsInput(c) || !c.On || !c.On->Click) return false;
    c.On->Click(c.Index);
    return true;
}

bool deliverEnter(Form& form) {
    Control* c = form.ActiveControl;
    if (!c) return false;
    for (const ControlRef& r : form.zOrder())
        if (r.control == c && r.kind == ControlKind::CommandButton) return deliverClick(*c);
    return false;
}

void raiseClick(Control& c) {
    if (!c.On || !c.On->Click) raise(ErrorCode::InvalidCall, std::string("no click handler bound to ") + c.Name);
    c.On->Click(c.Index);
}

}  // namespace kelo
