#pragma once
// The program's generator of uniform values in [0, 1): 24 bits of a 64-bit
// xorshift, so every value is exact in single precision.
#include <cstdint>

#include "platform/services.h"

namespace kelo {

class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(uint64_t seed = 0x9E3779B97F4A7C15ull) { reseed(seed); }
    void seed(double secondsSinceMidnight) override;
    float next() override;
    void reseed(uint64_t seed);

private:
    uint64_t state_ = 1;
};

}  // namespace kelo
