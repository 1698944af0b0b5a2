#pragma once
// The window every melody fuzz input meets: factory settings, files in memory and
// a generator that draws alike on every run, so that the seeds stay valid.
#include "support/test_window.h"

namespace kelo::fuzz {

inline const support::WindowOptions kMelodyWindow{
    .seed = 2020, .clock = {12, 0, 0}, .factory = true, .filesInMemory = true};

}  // namespace kelo::fuzz
