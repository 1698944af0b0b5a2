#include "start_sound.h"

namespace kelo::datatree {

SoundJob startSoundJob(const std::filesystem::path& kelo) {
    // A quick rising C major arpeggio on the celesta, left to ring.
    constexpr int kKeys[] = {72, 76, 79, 84, 88};
    constexpr double kStep = 0.075;
    // The five notes ring together; at this gain they peak near half of full scale.
    Performance arpeggio{gm::kCelesta, {}, 1.2, 1.25};
    for (int i = 0; i < 5; ++i) {
        arpeggio.keys.push_back({kKeys[i], 92, i * kStep, 0.8});
    }
    return {kelo / "Allarme.wav", arpeggio};
}

}  // namespace kelo::datatree
