// A variant of a composed melody (to set beside BM_Composition), one tick of the
// pool statistics in their worst case (a pool of all 13 modules, one of them with
// weight 1 among twelve of 16, so that most ticks spend many of their 1000 tries
// on the last one) and one tick of the self-test, on a window at factory settings.
#include <benchmark/benchmark.h>

#include "app/compose_button.h"
#include "app/self_test.h"
#include "app/variant_button.h"
#include "bench_window.h"
#include "engine/module_statistics.h"

namespace {

using kelo::frmKeloTrundo15;

void BM_Variant(benchmark::State& state) {
    kelo::bench::TestWindow w(kelo::bench::factoryWindow());
    frmKeloTrundo15& f = w.f;
    kelo::cmdIncisi_Click(f);
    for (auto _ : state) {
        f.cmdIncisi.Enabled = true;  // as the end of the reveal leaves it
        kelo::lblVariante_MouseDown(f, {});
        benchmark::DoNotOptimize(f.lblMelos[32].Caption.data());
    }
}
BENCHMARK(BM_Variant)->Unit(benchmark::kMicrosecond);

// Argument: the module list, 1 or 2.
void BM_StatisticsTickWorstCase(benchmark::State& state) {
    kelo::bench::TestWindow w(kelo::bench::factoryWindow());
    frmKeloTrundo15& f = w.f;
    const bool first = state.range(0) == 1;
    auto& weights = first ? f.lblFreqInc : f.lblFreIncB;
    for (int i = 1; i <= 13; ++i) weights[i].Caption = i == 13 ? "1" : "16";
    weights[26].Caption = "13";
    first ? kelo::cmdExp_Click(f) : kelo::cmdExp2_Click(f);
    for (auto _ : state) {
        first ? kelo::TmrExp_Timer(f) : kelo::TmrExp2_Timer(f);
        benchmark::DoNotOptimize(f.lblExp[13].Caption.data());
    }
}
BENCHMARK(BM_StatisticsTickWorstCase)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_SelfTestTick(benchmark::State& state) {
    kelo::bench::TestWindow w(kelo::bench::factoryWindow());
    frmKeloTrundo15& f = w.f;
    for (auto _ : state) {
        kelo::TmrProva_Timer(f);
        benchmark::DoNotOptimize(f.lblPassaggi.Caption.data());
    }
}
BENCHMARK(BM_SelfTestTick)->Unit(benchmark::kMicrosecond);

}  // namespace
