// One title as the "Titoli" button gives it: the type choice of the cycle, then the
// type's generator, on the seeded generator.
#include <benchmark/benchmark.h>

#include "bench_window.h"
#include "titles/title_types.h"

namespace {

void BM_Titles(benchmark::State& state) {
    kelo::bench::TestWindow w(kelo::bench::factoryWindow());

    for (auto _ : state) {
        kelo::ScegliTipologiaTitolo(w.f);
        benchmark::DoNotOptimize(w.f.TxtTitolo.Text.data());
    }
    state.counters["titles/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Titles);

}  // namespace
