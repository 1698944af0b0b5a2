#pragma once
// What every control of a window shows and which timers run, to tell whether
// anything changed: a snapshot is fast to compare (the fuzzers take one per
// input), its text names every control for a test's failure message.
#include <string>
#include <vector>

#include "platform/form.h"

namespace kelo::support {

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
// Compares without building a second snapshot.
bool matchesSnapshot(const Form& form, const WindowSnapshot& s);
// One line per control and timer: two equal texts mean that nothing changed.
std::string windowState(const Form& form);

}  // namespace kelo::support
