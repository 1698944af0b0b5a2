#pragma once
// What every control of a window shows, to tell whether anything changed.
#include <string>
#include <vector>

#include "platform/form.h"

namespace kelo::fuzz {

struct ControlState {
    bool visible = true, enabled = true;
    std::string text;  // caption or text, "" for kinds without one
    Colour back = 0, fore = 0;
    int16_t border = 0;  // a label's border style: held cells, drawn modules, chord marks
    bool operator==(const ControlState&) const = default;
};

struct WindowSnapshot {
    std::vector<ControlState> controls;  // in the window's painting order
    std::vector<bool> timersOn;
};

WindowSnapshot takeSnapshot(const Form& form);
// Compares without building a second snapshot: this runs once per fuzz input.
bool matchesSnapshot(const Form& form, const WindowSnapshot& s);

}  // namespace kelo::fuzz
