#include "support/window_state.h"

namespace kelo::testing {

std::string windowState(const Form& form) {
    std::string s;
    for (const ControlRef& ref : form.zOrder()) {
        const Control& c = *ref.control;
        s += std::string(c.Name) + "(" + std::to_string(c.Index) + ") " + (c.Visible ? "v" : "-") + (c.Enabled ? "e" : "-");
        if (ref.kind == ControlKind::Label) {
            const auto& l = static_cast<const Label&>(c);
            s += " " + std::to_string(l.BackColor) + " " + std::to_string(l.BorderStyle) + " [" + l.Caption + "]";
        } else if (ref.kind == ControlKind::TextBox) {
            s += " [" + static_cast<const TextBox&>(c).Text + "]";
        } else if (ref.kind == ControlKind::Image) {
            s += " [" + static_cast<const Image&>(c).Picture + "]";
        }
        s += '\n';
    }
    for (const Timer* t : form.timers()) s += std::string(t->Name) + (t->Enabled() ? " on " : " off ") + std::to_string(t->Interval()) + '\n';
    return s;
}

}  // namespace kelo::testing
