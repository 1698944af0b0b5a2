#include "program_synth.h"

#include <mutex>
#include <stdexcept>
#include <string>

#include "synth_performance.h"

namespace kelo::datatree {

namespace {

std::mutex& fluidSynthSharedState() {
    static std::mutex lock;
    return lock;
}

}  // namespace

ProgramSynth::ProgramSynth(const std::filesystem::path& soundFont, int program, double gain) {
    const std::lock_guard lock(fluidSynthSharedState());
    try {
        // Even the settings: FluidSynth 2.3 starts its audio drivers' libraries from here.
        settings_ = new_fluid_settings();
        if (!settings_) throw std::runtime_error("cannot start FluidSynth");
        fluid_settings_setnum(settings_, "synth.sample-rate", kSampleRate);
        fluid_settings_setnum(settings_, "synth.gain", gain);
        // Only the instrument played is read from the (large) sound font.
        fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
        synth_ = new_fluid_synth(settings_);
        if (!synth_) throw std::runtime_error("cannot start FluidSynth");
        // No program on the other channels, so theirs are never read.
        const int font = fluid_synth_sfload(synth_, soundFont.string().c_str(), 0);
        if (font == FLUID_FAILED) throw std::runtime_error("cannot load the sound font " + soundFont.string());
        if (fluid_synth_program_select(synth_, 0, font, 0, program) != FLUID_OK) {
            throw std::runtime_error("the sound font has no General MIDI program " + std::to_string(program));
        }
    } catch (...) {
        release();
        throw;
    }
}

ProgramSynth::~ProgramSynth() {
    const std::lock_guard lock(fluidSynthSharedState());
    release();
}

void ProgramSynth::release() noexcept {
    if (synth_) delete_fluid_synth(synth_);
    if (settings_) delete_fluid_settings(settings_);
    synth_ = nullptr;
    settings_ = nullptr;
}

}  // namespace kelo::datatree
