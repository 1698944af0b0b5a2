#include "platform/seeded_random.h"

#include <cstring>

namespace kelo {

void SeededRandom::reseed(uint64_t seed) {
    // splitmix64 spreads close seeds (consecutive seconds) far apart
    uint64_t z = seed + 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    state_ = (z ^ (z >> 31)) | 1;
}

void SeededRandom::seed(double secondsSinceMidnight) {
    uint64_t bits = 0;
    std::memcpy(&bits, &secondsSinceMidnight, sizeof bits);
    reseed(bits);
}

float SeededRandom::next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return static_cast<float>(state_ >> 40) / 16777216.0f;
}

}  // namespace kelo
