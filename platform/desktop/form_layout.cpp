#include "platform/desktop/form_layout.h"

#include <functional>

namespace kelo {

namespace {
bool inside(const Control& c, float x, float y) {
    return x >= c.Left && x < c.Left + c.Width && y >= c.Top && y < c.Top + c.Height;
}

bool overlap(const Control& a, const Control& b) {
    float ax = absoluteLeft(a), ay = absoluteTop(a), bx = absoluteLeft(b), by = absoluteTop(b);
    return ax < bx + b.Width && bx < ax + a.Width && ay < by + b.Height && by < ay + a.Height;
}
}  // namespace

FormLayout::FormLayout(const Form& form) {
    for (const ControlRef& r : form.zOrder()) {
        kinds_.emplace(r.control, r.kind);
        if (r.control->Container)
            children_[r.control->Container].push_back(r);
        else
            top_.push_back(r);
        if (r.kind == ControlKind::TextBox) textBoxes_.push_back(static_cast<const TextBox*>(r.control));
    }
    std::function<void(const std::vector<ControlRef>&)> flatten = [&](const std::vector<ControlRef>& list) {
        for (const ControlRef& r : list) {
            paintOrder_.push_back(r);
            if (r.kind == ControlKind::Frame) flatten(childrenOf(*r.control));
        }
    };
    flatten(top_);
}

const std::vector<ControlRef>& FormLayout::childrenOf(const Control& frame) const {
    static const std::vector<ControlRef> none;
    auto it = children_.find(&frame);
    return it == children_.end() ? none : it->second;
}

Control* FormLayout::hitIn(const std::vector<ControlRef>& list, float x, float y) const {
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        Control& c = *it->control;
        if (!c.Visible || it->kind == ControlKind::Shape || !inside(c, x, y)) continue;
        if (it->kind == ControlKind::Frame) {
            if (!c.Enabled) continue;
            if (Control* child = hitIn(childrenOf(c), x - c.Left, y - c.Top)) return child;
            return &c;
        }
        if (c.Enabled) return &c;
    }
    return nullptr;
}

Control* FormLayout::hitTest(float x, float y) const { return hitIn(top_, x, y); }

bool FormLayout::coveredByFrame(const Control& c) const {
    bool after = false;
    for (const ControlRef& r : paintOrder_) {
        if (r.control == &c) {
            after = true;
            continue;
        }
        if (after && r.kind == ControlKind::Frame && shownOnScreen(*r.control) && overlap(*r.control, c)) return true;
    }
    return false;
}

}  // namespace kelo
