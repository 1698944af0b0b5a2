#pragma once
// Listening by numbers: loudness and the power near a frequency.
#include <cstddef>
#include <vector>

namespace kelo::support {

// Root mean square of `length` samples from `start` (clipped to the signal).
double rms(const std::vector<double>& x, std::size_t start, std::size_t length);

// A Hann-windowed stretch of `length` samples from `start`, for the power at any frequency.
class Stretch {
public:
    Stretch(const std::vector<double>& x, int sampleRate, std::size_t start, std::size_t length);
    double powerAt(double hz) const;

private:
    std::vector<double> windowed_;
    int sampleRate_;
};

// Frequency of a MIDI key in equal temperament, A4 = key 69 = 440 Hz.
double keyHz(double key);

}  // namespace kelo::support
