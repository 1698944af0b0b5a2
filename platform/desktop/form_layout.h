#pragma once
// A form's controls as the screen stacks them: top-level controls back to front,
// each frame followed by its own children. Answers which control takes the mouse.
#include <unordered_map>
#include <vector>

#include "platform/form.h"

namespace kelo {

class FormLayout {
public:
    explicit FormLayout(const Form& form);

    const std::vector<ControlRef>& topLevel() const { return top_; }
    const std::vector<ControlRef>& childrenOf(const Control& frame) const;

    // The topmost control at (x, y) twips from the form's corner that accepts the
    // mouse: shapes never do, disabled controls let it through to what lies
    // beneath, and a shown frame's own surface takes it (nothing beneath does).
    Control* hitTest(float x, float y) const;

    // A frame shown above this control (later in painting order) overlaps it.
    bool coveredByFrame(const Control& c) const;

    ControlKind kindOf(const Control& c) const { return kinds_.at(&c); }
    const std::vector<const TextBox*>& textBoxes() const { return textBoxes_; }

private:
    Control* hitIn(const std::vector<ControlRef>& list, float x, float y) const;

    std::vector<ControlRef> top_;
    std::unordered_map<const Control*, std::vector<ControlRef>> children_;
    std::unordered_map<const Control*, ControlKind> kinds_;
    std::vector<const TextBox*> textBoxes_;
    std::vector<ControlRef> paintOrder_;  // flattened, back to front
};

}  // namespace kelo
