#pragma once
// The benchmarks' window: the tests' window on the headless backend at factory
// settings, with a generator that draws alike on every run.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "support/headless_program.h"
#include "support/test_window.h"

namespace kelo::bench {

using support::TestWindow;

// Files go to `folder` (the data tree's, or one of the benchmark's own).
inline support::WindowOptions factoryWindow(std::filesystem::path folder = {}) {
    return {.seed = 20200101, .factory = true, .folder = std::move(folder)};
}

// True when the benchmark runs beside the data tree (the build folder); otherwise
// the benchmark is skipped with a word on why.
inline bool dataTreeHere(benchmark::State& state) {
    if (std::filesystem::is_directory("Kelo 2020/Grafica") && std::filesystem::is_directory("Kelo 2020/Suoni"))
        return true;
    state.SkipWithError("no data tree here: run from the build folder");
    return false;
}

}  // namespace kelo::bench
