#include "synth_performance.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>
#include <string>

namespace kelo::datatree {

namespace {

// Loud enough to use the range, with headroom for the fullest chord.
constexpr double kGain = 2.5;
constexpr int kReverbSend = 40;  // a little room around the piano
constexpr int kReverbController = 91;

struct SettingsDeleter {
    void operator()(fluid_settings_t* s) const { delete_fluid_settings(s); }
};
struct SynthDeleter {
    void operator()(fluid_synth_t* s) const { delete_fluid_synth(s); }
};

struct Event {
    long frame;
    bool on;
    int key;
    int velocity;
};

long toFrame(double seconds) { return std::lround(seconds * kSampleRate); }

std::int16_t toPcm(float v) {
    return static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f));
}

}  // namespace

std::vector<std::int16_t> render(const Performance& performance, const std::filesystem::path& soundFont) {
    std::unique_ptr<fluid_settings_t, SettingsDeleter> settings(new_fluid_settings());
    if (!settings) throw std::runtime_error("cannot start FluidSynth");
    fluid_settings_setnum(settings.get(), "synth.sample-rate", kSampleRate);
    fluid_settings_setnum(settings.get(), "synth.gain", kGain);
    // Only the instrument played is read from the (large) sound font.
    fluid_settings_setint(settings.get(), "synth.dynamic-sample-loading", 1);
    std::unique_ptr<fluid_synth_t, SynthDeleter> synth(new_fluid_synth(settings.get()));
    if (!synth) throw std::runtime_error("cannot start FluidSynth");
    const int font = fluid_synth_sfload(synth.get(), soundFont.string().c_str(), 1);
    if (font == FLUID_FAILED) throw std::runtime_error("cannot load the sound font " + soundFont.string());
    if (fluid_synth_program_select(synth.get(), 0, font, 0, performance.program) != FLUID_OK) {
        throw std::runtime_error("the sound font has no General MIDI program " + std::to_string(performance.program));
    }
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
