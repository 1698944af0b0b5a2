#pragma once
// One scheduler for both backends, so that tests and the real program share the
// same timer rules: a timer enabled inside a handler first ticks after that
// handler returns; disabling stops further ticks; re-enabling a running timer
// does not restart it; a new interval restarts the count.
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "platform/controls.h"

namespace kelo {

class Clock;

class TimerScheduler {
public:
    explicit TimerScheduler(Clock& clock) : clock_(clock) {}

    // An adopted timer must not outlive the scheduler.
    void adopt(Timer& t) { t.scheduler = this; }
    void arm(Timer& t);
    void disarm(Timer& t);

    std::optional<int64_t> nextDue() const;
    // Fires the earliest timer whose time has come (ties in arming order).
    // Returns false when none is due at `now`.
    bool fireDue(int64_t now);

    // Called whenever the earliest due time may have changed (the desktop re-arms its QTimer).
    std::function<void()> changed;

private:
    Clock& clock_;
    std::vector<Timer*> armed_;
    uint64_t sequence_ = 0;
};

}  // namespace kelo
