#include "sound_font.h"

#include <stdexcept>

namespace kelo::datatree {

std::filesystem::path findSoundFont() {
    for (const char* candidate : {"/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
                                  "/usr/share/sounds/sf3/default-GM.sf3"}) {
        if (std::filesystem::exists(candidate)) return candidate;
    }
    throw std::runtime_error("no General MIDI sound font found under /usr/share/sounds");
}

}  // namespace kelo::datatree
