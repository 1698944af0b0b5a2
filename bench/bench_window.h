#pragma once
// The main window on the headless backend with a seeded generator and a clock that
// stands still, so that every run of a benchmark draws the same way.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/bind_events.h"
#include "model/main_window.h"
#include "platform/headless/headless_platform.h"
#include "settings/factory_defaults.h"

namespace kelo::bench {

struct BenchWindow {
    // Files go to `folder` (the data tree's, or one of the benchmark's own).
    explicit BenchWindow(std::filesystem::path folder = {}) : hp(std::move(folder)), f(hp.platform) {
        hp.random.reseedFallback(20200101);
        hp.clock.setTimeOfDay(10, 17, 42);
        hp.clock.freezeTimeOfDay(true);
    }
    HeadlessPlatform hp;
    frmKeloTrundo15 f;
};

// Handlers bound and the factory settings in place, as a fresh installation
// starts, with the compose button ready.
inline void atFactorySettings(frmKeloTrundo15& f) {
    BindEvents(f);
    resetAllToFactory(f);
    f.cmdIncisi.Enabled = true;
}

// True when the benchmark runs beside the data tree (the build folder); otherwise
// the benchmark is skipped with a word on why.
inline bool dataTreeHere(benchmark::State& state) {
    if (std::filesystem::is_directory("Kelo 2020/Grafica") && std::filesystem::is_directory("Kelo 2020/Suoni"))
        return true;
    state.SkipWithError("no data tree here: run from the build folder");
    return false;
}

// A new empty folder of the benchmark's own under the temporary folder.
std::filesystem::path tempFolder();

}  // namespace kelo::bench
