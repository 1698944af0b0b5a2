// One title as the "Titoli" button gives it: the type choice of the cycle, then the
// type's generator, on the seeded generator.
#include <benchmark/benchmark.h>

#include "model/main_window.h"
#include "platform/headless/headless_platform.h"
#include "titles/title_types.h"

namespace {

void BM_Titles(benchmark::State& state) {
    kelo::HeadlessPlatform hp;
    hp.random.reseedFallback(20200101);
    hp.clock.setTimeOfDay(10, 17, 42);
    hp.clock.freezeTimeOfDay(true);
    kelo::frmKeloTrundo15 f(hp.platform);

    for (auto _ : state) {
        kelo::ScegliTipologiaTitolo(f);
        benchmark::DoNotOptimize(f.TxtTitolo.Text.data());
    }
    state.counters["titles/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                    benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Titles);

}  // namespace
