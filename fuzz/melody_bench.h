#pragma once
// A main window with its handlers bound and the factory settings, as the melody
// fuzzer and its seeds use it: files in memory, a generator that always draws alike.
#include <string>

#include "memory_files.h"
#include "model/main_window.h"
#include "platform/headless/headless_platform.h"

namespace kelo::fuzz {

struct MelodyWindow {
    MelodyWindow();
    HeadlessPlatform hp;
    MemoryFiles files;
    Platform platform{hp.clock, hp.random, hp.timers, hp.sound, hp.dialogs, files, hp.display};
    frmKeloTrundo15 window{platform};

    // Composes, reveals and starts to play a melody, and gives its record.
    std::string composedRecord();
};

}  // namespace kelo::fuzz
