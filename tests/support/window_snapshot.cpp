#include "support/window_snapshot.h"

namespace kelo::support {

namespace {

// Hands each field of one control to `field` with its place in the state.
template <class State, class F>
void visit(const ControlRef& ref, State& s, F&& field) {
    Control& c = *ref.control;
    field(c.Visible, s.visible);
    field(c.Enabled, s.enabled);
    switch (ref.kind) {
    case ControlKind::Label: {
        auto& l = static_cast<Label&>(c);
        field(l.Caption, s.text);
        field(l.BackColor, s.back);
        field(l.ForeColor, s.fore);
        field(l.BorderStyle, s.border);
        break;
    }
    case ControlKind::TextBox: {
        auto& t = static_cast<TextBox&>(c);
        field(t.Text, s.text);
        field(t.BackColor, s.back);
        field(t.ForeColor, s.fore);
        break;
    }
    case ControlKind::CommandButton: {
        auto& b = static_cast<CommandButton&>(c);
        field(b.Caption, s.text);
        field(b.BackColor, s.back);
        break;
    }
    case ControlKind::Image: field(static_cast<Image&>(c).Picture, s.text); break;
    case ControlKind::Shape: field(static_cast<Shape&>(c).BackColor, s.back); break;
    case ControlKind::Frame: {
        auto& f = static_cast<Frame&>(c);
        field(f.Caption, s.text);
        field(f.BackColor, s.back);
        break;
    }
    }
}

}  // namespace

WindowSnapshot takeSnapshot(const Form& form) {
    WindowSnapshot s;
    for (const ControlRef& ref : form.zOrder()) {
        ControlState state;
        visit(ref, state, [](const auto& control, auto& kept) { kept = control; });
        s.controls.push_back(std::move(state));
    }
    for (const Timer* t : form.timers()) s.timersOn.push_back(t->Enabled());
    return s;
}

bool matchesSnapshot(const Form& form, const WindowSnapshot& s) {
    const auto& refs = form.zOrder();
    if (refs.size() != s.controls.size() || form.timers().size() != s.timersOn.size()) return false;
    bool same = true;
    for (size_t i = 0; i < refs.size() && same; ++i)
        visit(refs[i], s.controls[i], [&](const auto& control, const auto& kept) { same = same && control == kept; });
    for (size_t i = 0; i < s.timersOn.size() && same; ++i) same = form.timers()[i]->Enabled() == s.timersOn[i];
    return same;
}

std::string windowState(const Form& form) {
    const WindowSnapshot snapshot = takeSnapshot(form);
    std::string s;
    for (size_t i = 0; i < snapshot.controls.size(); ++i) {
        const Control& c = *form.zOrder()[i].control;
        const ControlState& k = snapshot.controls[i];
        s += std::string(c.Name) + "(" + std::to_string(c.Index) + ") " + (k.visible ? "v" : "-") +
             (k.enabled ? "e" : "-") + " " + std::to_string(k.back) + " " + std::to_string(k.fore) + " " +
             std::to_string(k.border) + " [" + k.text + "]\n";
    }
    for (size_t i = 0; i < snapshot.timersOn.size(); ++i)
        s += std::string(form.timers()[i]->Name) + (snapshot.timersOn[i] ? " on\n" : " off\n");
    return s;
}

}  // namespace kelo::support
