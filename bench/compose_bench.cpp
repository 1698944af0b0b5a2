// One press of the compose button on a window at factory settings (what a fresh
// installation loads): the whole composition, nested restarts included, on one core.
#include <benchmark/benchmark.h>

#include "app/compose_button.h"
#include "bench_window.h"

namespace {

void BM_Composition(benchmark::State& state) {
    kelo::bench::TestWindow w(kelo::bench::factoryWindow());
    kelo::frmKeloTrundo15& f = w.f;

    for (auto _ : state) {
        kelo::cmdIncisi_Click(f);
        benchmark::DoNotOptimize(f.lblMelos[32].Caption.data());
    }
    state.counters["compositions/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Composition)->Unit(benchmark::kMicrosecond);

}  // namespace
