// The settings editors between two repaints: one repeat tick of a held weight
// (well under 1 us), and the release of the link-case pager, which loads a case
// and its 80 page cells (a few us).
#include <benchmark/benchmark.h>

#include "bench_window.h"
#include "engine/link_cases.h"
#include "settings/factory_defaults.h"
#include "settings/link_page_editor.h"
#include "settings/weight_steppers.h"

namespace {

struct FactoryWindow : kelo::bench::TestWindow {
    FactoryWindow() : TestWindow(kelo::bench::factoryWindow()) {}
};

// A weight held down: each tick steps it, wrapping from 16 to 1.
void BM_StepperTick(benchmark::State& state) {
    FactoryWindow w;
    kelo::lblNota_MouseDown(w.f, 57, {});
    for (auto _ : state) {
        kelo::TmrNota_Timer(w.f);
        benchmark::DoNotOptimize(w.f.lblNota[57].Caption.data());
    }
}
BENCHMARK(BM_StepperTick)->Unit(benchmark::kNanosecond);

// ">" released after its press: the case reached is loaded with its page.
void BM_PagerRelease(benchmark::State& state) {
    FactoryWindow w;
    for (auto _ : state) {
        kelo::lblCercaNota_MouseUp(w.f, 2, {});
        benchmark::DoNotOptimize(w.f.lblCollegamento[80].Caption.data());
    }
}
BENCHMARK(BM_PagerRelease)->Unit(benchmark::kMicrosecond);

}  // namespace
