#pragma once
// Drives the shared timer scheduler from the Qt event loop with one precise
// single-shot QTimer, always aimed at the earliest due timer.
#include <QTimer>

namespace kelo {

class Clock;
class EventGate;
class TimerScheduler;

class TimerDriver {
public:
    TimerDriver(TimerScheduler& scheduler, Clock& clock, EventGate& gate);
    TimerDriver(const TimerDriver&) = delete;
    TimerDriver& operator=(const TimerDriver&) = delete;

    // Aims the QTimer at the scheduler's next due time (or stops it).
    void rearm();

private:
    void fire();

    TimerScheduler& scheduler_;
    Clock& clock_;
    EventGate& gate_;
    QTimer timer_;
};

}  // namespace kelo
