#include "platform/timer_scheduler.h"

#include <algorithm>

#include "platform/services.h"

namespace kelo {

void TimerScheduler::arm(Timer& t) {
    disarm(t);
    if (t.Interval() <= 0) return;  // an interval of 0 never ticks
    t.due = clock_.monotonicMs() + t.Interval();
    t.order = ++sequence_;
    armed_.push_back(&t);
    if (changed) changed();
}

void TimerScheduler::disarm(Timer& t) {
    auto it = std::find(armed_.begin(), armed_.end(), &t);
    if (it != armed_.end()) armed_.erase(it);
}

std::optional<int64_t> TimerScheduler::nextDue() const {
    std::optional<int64_t> best;
    for (const Timer* t : armed_)
        if (!best || t->due < *best) best = t->due;
    return best;
}

bool TimerScheduler::fireDue(int64_t now) {
    Timer* first = nullptr;
    for (Timer* t : armed_)
        if (t->due <= now && (!first || t->due < first->due || (t->due == first->due && t->order < first->order)))
            first = t;
    if (!first) return false;
    // Next tick one interval on; a backend that fell far behind does not burst.
    first->due += first->Interval();
    if (first->due <= now) first->due = now + first->Interval();
    first->order = ++sequence_;
    // The handler may disarm, arm or destroy any timer, its own included: it runs on a
    // copy, and nothing found before it runs is used after.
    if (auto tick = first->OnTick) tick();
    if (changed) changed();
    return true;
}

}  // namespace kelo
