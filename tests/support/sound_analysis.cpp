#include "support/sound_analysis.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kelo::support {

double rms(const std::vector<double>& x, std::size_t start, std::size_t length) {
    const std::size_t end = std::min(x.size(), start + length);
    if (start >= end) return 0.0;
    double sum = 0;
    for (std::size_t i = start; i < end; ++i) sum += x[i] * x[i];
    return std::sqrt(sum / static_cast<double>(end - start));
}

Stretch::Stretch(const std::vector<double>& x, int sampleRate, std::size_t start, std::size_t length)
    : sampleRate_(sampleRate) {
    const std::size_t end = std::min(x.size(), start + length);
    if (start + 1 >= end) return;
    const double n = static_cast<double>(end - start);
    for (std::size_t i = start; i < end; ++i) {
        const double hann = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * static_cast<double>(i - start) / (n - 1));
        windowed_.push_back(x[i] * hann);
    }
}

double Stretch::powerAt(double hz) const {
    if (windowed_.empty()) return 0.0;
    // Goertzel's recurrence.
    const double coeff = 2 * std::cos(2 * std::numbers::pi * hz / sampleRate_);
    double s1 = 0;
    double s2 = 0;
    for (double v : windowed_) {
        const double s0 = v + coeff * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    const double n = static_cast<double>(windowed_.size());
    return (s1 * s1 + s2 * s2 - coeff * s1 * s2) / (n * n);
}

double keyHz(double key) { return 440.0 * std::pow(2.0, (key - 69.0) / 12.0); }

}  // namespace kelo::support
