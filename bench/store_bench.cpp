// Building the main window's table store with every design value.
#include <benchmark/benchmark.h>

#include "model/main_window.h"
#include "platform/headless/headless_platform.h"

static void BM_BuildMainWindowStore(benchmark::State& state) {
    kelo::HeadlessPlatform hp;
    for (auto _ : state) {
        kelo::frmKeloTrundo15 f(hp.platform);
        benchmark::DoNotOptimize(f.lblCollegamento[1120].Caption.data());
    }
}
BENCHMARK(BM_BuildMainWindowStore)->Unit(benchmark::kMicrosecond);
