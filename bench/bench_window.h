#pragma once
// The main window on the headless backend with a seeded generator and a clock that
// stands still, so that every run of a benchmark draws the same way.
#include "model/main_window.h"
#include "platform/headless/headless_platform.h"

namespace kelo::bench {

struct BenchWindow {
    BenchWindow() : f(hp.platform) {
        hp.random.reseedFallback(20200101);
        hp.clock.setTimeOfDay(10, 17, 42);
        hp.clock.freezeTimeOfDay(true);
    }
    HeadlessPlatform hp;
    frmKeloTrundo15 f;
};

}  // namespace kelo::bench
