#pragma once
// The one door through which the desktop calls program code: every mouse event,
// key, timer tick and close request runs here as one event, to completion. A
// run-time error thrown out of it is shown and ends the program; after each event
// the timers are re-armed and every window shows the cells as they now are.
#include <functional>
#include <string>

namespace kelo {

class EventGate {
public:
    // Runs one event. Does nothing once the program has ended, and nothing while a
    // modal dialog opened by an event is on screen (the event has not returned yet).
    void run(const std::function<void()>& event);

    bool busy() const { return depth_ > 0; }
    bool halted() const { return halted_; }
    int exitCode() const { return exitCode_; }

    // Wraps a modal dialog shown from inside an event, so that a press whose release
    // the dialog swallowed can be finished by the window that saw the press.
    void modal(const std::function<void()>& dialog);
    int modalCount() const { return modalCount_; }

    // Shows the error to the user; a message box titled "Kelo" unless a test replaces it.
    std::function<void(const std::string& text)> reportError;
    // Called when the outermost event has returned.
    std::function<void()> afterEvent;

private:
    void fail(const std::string& text);

    int depth_ = 0;
    int modalCount_ = 0;
    bool halted_ = false;
    int exitCode_ = 0;
};

}  // namespace kelo
