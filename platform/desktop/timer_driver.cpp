#include "platform/desktop/timer_driver.h"

#include <algorithm>

#include "platform/desktop/event_gate.h"
#include "platform/services.h"
#include "platform/timer_scheduler.h"

namespace kelo {

TimerDriver::TimerDriver(TimerScheduler& scheduler, Clock& clock, EventGate& gate)
    : scheduler_(scheduler), clock_(clock), gate_(gate) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { fire(); });
    scheduler_.changed = [this] { rearm(); };
}

void TimerDriver::rearm() {
    if (gate_.halted()) {
        timer_.stop();
        return;
    }
    auto due = scheduler_.nextDue();
    if (!due) {
        timer_.stop();
        return;
    }
    int64_t wait = std::max<int64_t>(0, *due - clock_.monotonicMs());
    timer_.start(static_cast<int>(std::min<int64_t>(wait, int64_t{24} * 3600 * 1000)));
}

void TimerDriver::fire() {
    // A tick never interrupts an event that is still running (a modal dialog inside
    // it spins the event loop); the end of that event re-arms the timer.
    if (gate_.busy() || gate_.halted()) return;
    const int64_t now = clock_.monotonicMs();
    gate_.run([&] {
        while (!gate_.halted() && scheduler_.fireDue(now)) {
        }
    });
    rearm();
}

}  // namespace kelo
