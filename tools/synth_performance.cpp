#include "synth_performance.h"

#include <algorithm>
#include <cmath>

#include "program_synth.h"

namespace kelo::datatree {

namespace {

constexpr int kReverbSend = 40;  // a little room around the piano
constexpr int kReverbController = 91;

struct Event {
    long frame;
    bool on;
    int key;
    int velocity;
};

long toFrame(double seconds) { return std::lround(seconds * kSampleRate); }

std::int16_t toPcm(float v) { return static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f)); }

}  // namespace

std::vector<std::int16_t> render(const Performance& performance, const std::filesystem::path& soundFont) {
    const ProgramSynth synth(soundFont, performance.program, performance.gain);
    fluid_synth_cc(synth.get(), 0, kReverbController, kReverbSend);

    std::vector<Event> events;
    for (const KeyPress& k : performance.keys) {
        events.push_back({toFrame(k.down), true, k.key, k.velocity});
        events.push_back({toFrame(k.up), false, k.key, 0});
    }
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) { return a.frame < b.frame; });

    const long total = toFrame(performance.length);
    std::vector<float> left(static_cast<size_t>(total));
    std::vector<float> right(static_cast<size_t>(total));
    long done = 0;
    auto renderUntil = [&](long frame) {
        frame = std::min(frame, total);
        if (frame <= done) return;
        fluid_synth_write_float(synth.get(), static_cast<int>(frame - done), left.data() + done, 0, 1,
                                right.data() + done, 0, 1);
        done = frame;
    };
    for (const Event& e : events) {
        renderUntil(e.frame);
        if (e.on) {
            fluid_synth_noteon(synth.get(), 0, e.key, e.velocity);
        } else {
            fluid_synth_noteoff(synth.get(), 0, e.key);
        }
    }
    renderUntil(total);

    // Converted here rather than by FluidSynth, whose 16-bit output adds dither noise.
    std::vector<std::int16_t> pcm;
    pcm.reserve(static_cast<size_t>(total) * kChannels);
    for (long i = 0; i < total; ++i) {
        pcm.push_back(toPcm(left[static_cast<size_t>(i)]));
        pcm.push_back(toPcm(right[static_cast<size_t>(i)]));
    }
    return pcm;
}

}  // namespace kelo::datatree
