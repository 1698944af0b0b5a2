#pragma once
// The machine's clocks: the local time of day and a steady millisecond count.
#include "platform/services.h"

namespace kelo {

class SystemClock : public Clock {
public:
    TimeOfDay timeOfDay() override;
    int64_t monotonicMs() override;
};

}  // namespace kelo
