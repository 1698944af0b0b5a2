#pragma once
// One main window on the headless backend for the tests, the benchmarks and the
// fuzzers: a seeded generator, a clock that stands still, the handlers bound and
// the page of link case 2 on show, as start-up leaves it, with the compose button
// ready. Every run of the same options draws the same way.
#include <cstdint>
#include <filesystem>
#include <string>

#include "model/main_window.h"
#include "platform/headless/headless_platform.h"
#include "support/memory_files.h"

namespace kelo::support {

struct WindowOptions {
    uint64_t seed = 1;               // of the generator behind the values a test pushes
    TimeOfDay clock = {10, 17, 42};  // the time of day of every draw
    bool factory = false;            // the factory settings instead of the design values
    bool filesInMemory = false;      // files in `memory` instead of on disk under `folder`
    std::filesystem::path folder{};  // the working folder of files on disk
};

struct TestWindow {
    explicit TestWindow(const WindowOptions& options = {});

    HeadlessPlatform hp;
    MemoryFiles memory;
    Platform platform;
    frmKeloTrundo15 f;

    // A press of the compose button and its whole reveal; the melody record it leaves.
    std::string composeAndReveal();
};

// What start-up leaves on any window: its handlers bound, the factory settings
// when asked for, the page of link case 2 on show and the compose button ready.
void readyAsAfterStartUp(frmKeloTrundo15& f, bool factory);

// The reveal's sixteen ticks of 105 ms.
inline constexpr int kRevealMs = 16 * 105;

}  // namespace kelo::support
