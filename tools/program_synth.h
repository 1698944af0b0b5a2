#pragma once
// A FluidSynth synth with the sound font loaded and one General MIDI program on channel 0.
#include <fluidsynth.h>

#include <filesystem>

namespace kelo::datatree {

// FluidSynth 2.3 sets up its defaults on the first synth without making other threads
// wait, and its sample cache, shared by every synth in the process, takes no lock. So
// synths are made, loaded and deleted one at a time; playing and rendering on a synth
// run freely, since they never load or free sample data: the program's samples stay
// selected until the synth is deleted.
class ProgramSynth {
public:
    // Throws on failure.
    ProgramSynth(const std::filesystem::path& soundFont, int program, double gain);
    ~ProgramSynth();
    ProgramSynth(const ProgramSynth&) = delete;
    ProgramSynth& operator=(const ProgramSynth&) = delete;

    fluid_synth_t* get() const { return synth_; }

private:
    void release() noexcept;

    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
};

}  // namespace kelo::datatree
