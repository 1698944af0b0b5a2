#include "support/sound_analysis.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kelo::test {

double rms(const std::vector<double>& x, std::size_t start, std::size_t length) {
    const std::size_t end = std::min(x.size(), start + length);
    if (start >= end) return 0.0;
    double sum = 0;
    for (std::size_t i = start; i < end; ++i) sum += x[i] * x[i];
    return std::sqrt(sum / static_cast<double>(end - start));
}

namespace {

// The period that repeats best (YIN); close, but pulled sharp by stretched upper partials.
double periodEstimateHz(const std::vector<double>& x, int sampleRate, std::size_t start, double minHz, double maxHz) {
    constexpr std::size_t kFrame = 4096;
    constexpr double kThreshold = 0.15;
    const std::size_t tauMin = static_cast<std::size_t>(sampleRate / maxHz);
    const std::size_t tauMax = static_cast<std::size_t>(sampleRate / minHz) + 1;
    if (start + kFrame + tauMax + 1 >= x.size()) return 0.0;

    std::vector<double> d(tauMax + 2, 0.0);
    for (std::size_t tau = 1; tau <= tauMax + 1; ++tau) {
        double sum = 0;
        for (std::size_t j = 0; j < kFrame; ++j) {
            const double diff = x[start + j] - x[start + j + tau];
            sum += diff * diff;
        }
        d[tau] = sum;
    }
    // Cumulative mean normalised difference.
    std::vector<double> cmnd(d.size(), 1.0);
    double running = 0;
    for (std::size_t tau = 1; tau < d.size(); ++tau) {
        running += d[tau];
        cmnd[tau] = running > 0 ? d[tau] * static_cast<double>(tau) / running : 1.0;
    }
    std::size_t best = 0;
    for (std::size_t tau = std::max<std::size_t>(tauMin, 2); tau <= tauMax; ++tau) {
        if (cmnd[tau] < kThreshold) {
            while (tau + 1 <= tauMax && cmnd[tau + 1] < cmnd[tau]) ++tau;
            best = tau;
            break;
        }
    }
    if (best == 0) return 0.0;
    // Parabola through the minimum and its neighbours.
    const double a = cmnd[best - 1];
    const double b = cmnd[best];
    const double c = cmnd[best + 1];
    const double denom = a - 2 * b + c;
    const double shift = denom != 0 ? 0.5 * (a - c) / denom : 0.0;
    return sampleRate / (static_cast<double>(best) + shift);
}

}  // namespace

double fundamentalHz(const std::vector<double>& x, int sampleRate, std::size_t start, double minHz, double maxHz) {
    const double coarse = periodEstimateHz(x, sampleRate, start, minHz, maxHz);
    if (coarse <= 0) return 0.0;
    // The fundamental's own peak within a quarter tone of the period's estimate.
    const Stretch stretch(x, sampleRate, start, static_cast<std::size_t>(sampleRate));
    double best = 0;
    double bestHz = coarse;
    for (double f = coarse * 0.97; f <= coarse * 1.03; f += coarse * 0.0002) {
        const double p = stretch.powerAt(f);
        if (p > best) {
            best = p;
            bestHz = f;
        }
    }
    return bestHz;
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

}  // namespace kelo::test
