// Playback and reveal at their own pace: one tick of the playback clock on the
// headless and on the desktop sound backend, one reveal tick with the repaint
// that follows it, and a whole piece at the fastest tempo on the desktop's own
// timers, measured against the 68 x 75 ms it should last.
// The desktop ones run from the build folder that holds the data tree.
#include <benchmark/benchmark.h>

#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "app/compose_button.h"
#include "app/startup.h"
#include "bench_window.h"
#include "gui_app.h"
#include "model/cell_access.h"
#include "model/main_window.h"
#include "platform/desktop/desktop_platform.h"
#include "platform/desktop/form_painter.h"
#include "platform/desktop/picture_cache.h"
#include "platform/desktop/sdl_sound.h"
#include "platform/headless/headless_platform.h"
#include "player/label_buttons.h"
#include "player/score_display.h"
#include "player/sequencer.h"

using namespace kelo;

namespace {

constexpr int kFastest = 75;  // ms, tempo level 16

// A melody composed from the factory settings, with the samples of the data tree
// bound; its reveal has run, so it plays.
void composeAndReveal(frmKeloTrundo15& f) {
    support::readyAsAfterStartUp(f, true);
    BindSounds(f);
    f.lblPulsante[0].Caption = "Singolo";
    cmdIncisi_Click(f);
    for (int s = 1; s <= 16; ++s) TmrMostraMelodia_Timer(f);
}

// Ticks of the 64 sounding steps, round and round.
void tickRoundTheSteps(benchmark::State& state, frmKeloTrundo15& f, std::vector<SoundEvent>* recorded) {
    for (auto _ : state) {
        if (f.lblStepAudio.Caption == "64") {
            for (Label* c : {&f.lblStepAudio, &f.lblIndiceAcc, &f.lblCoeffAcc, &f.lblCoeff}) c->Caption = "0";
            if (recorded) recorded->clear();
        }
        TmrAudio_Timer(f);
    }
}

void BM_AudioTickHeadless(benchmark::State& state) {
    bench::TestWindow w(bench::factoryWindow());
    composeAndReveal(w.f);
    tickRoundTheSteps(state, w.f, &w.hp.sound.events);
}
BENCHMARK(BM_AudioTickHeadless)->Unit(benchmark::kMicrosecond);

// The commands go to SDL_mixer (the dummy driver unless SDL_AUDIODRIVER says otherwise).
void BM_AudioTickDesktopSound(benchmark::State& state) {
    if (!bench::dataTreeHere(state)) return;
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    HeadlessPlatform hp(std::filesystem::current_path());
    hp.random.reseedFallback(20200101);
    SdlSound sound(hp.files);
    sound.preload({"Kelo 2020\\Suoni"});
    sound.waitForPreload();
    Platform platform{hp.clock, hp.random, hp.timers, sound, hp.dialogs, hp.files, hp.display};
    frmKeloTrundo15 f(platform);
    composeAndReveal(f);
    tickRoundTheSteps(state, f, nullptr);
    state.counters["audible"] = sound.audible();
}
BENCHMARK(BM_AudioTickDesktopSound)->Unit(benchmark::kMicrosecond);

// Half-bars 1 to 15 drawn over and over, each followed by a repaint of the window.
void BM_RevealTickWithRepaint(benchmark::State& state) {
    if (!bench::dataTreeHere(state)) return;
    bench::needGui();
    bench::TestWindow w(bench::factoryWindow(std::filesystem::current_path()));
    frmKeloTrundo15& f = w.f;
    composeAndReveal(f);
    PictureCache pictures(w.hp.files);
    FormLayout layout(f);
    FormPainter painter(pictures);
    QImage target(1024, 768, QImage::Format_RGB32);
    int s = 0;
    for (auto _ : state) {
        s = s % 15 + 1;
        setNumber(f.lblStoComponendo, s);
        setNumber(f.lblIncrementa, s - 1);
        TmrMostraMelodia_Timer(f);
        QPainter p(&target);
        painter.paint(p, f, layout);
        p.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_RevealTickWithRepaint)->Unit(benchmark::kMillisecond);

// A whole piece on the desktop's timers with the window on screen: 68 ticks that
// should take 68 x 75 ms. Counters: how far the piece ran over (%), and the
// latest and mean lateness of a tick against its place on the grid (ms).
void BM_PieceAtTheFastestTempoOnTheDesktop(benchmark::State& state) {
    if (!bench::dataTreeHere(state)) return;
    bench::needGui();
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    using Clock = std::chrono::steady_clock;
    DesktopPlatform desktop;
    std::optional<frmKeloTrundo15> window;
    std::vector<Clock::time_point> ticks;
    desktop.run([&] {
        window.emplace(desktop.platform());
        frmKeloTrundo15& f = *window;
        composeAndReveal(f);
        FermaEsecuzione(f, 1);
        f.TmrAudio.SetInterval(kFastest);
        f.TmrAudio.OnTick = [&f, &ticks] {
            ticks.push_back(Clock::now());
            TmrAudio_Timer(f);
        };
        desktop.display().show(f);
    });
    frmKeloTrundo15& f = *window;
    double overrun = 0, latest = 0, mean = 0;
    for (auto _ : state) {
        ticks.clear();
        const Clock::time_point start = Clock::now();
        desktop.run([&] { lblPulsante_Click(f, 3); });
        while (f.TmrAudio.Enabled()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        const double piece = std::chrono::duration<double>(ticks.back() - start).count();
        state.SetIterationTime(piece);
        overrun = std::max(overrun, (piece * 1000 / (68.0 * kFastest) - 1) * 100);
        double sum = 0;
        for (size_t i = 0; i < ticks.size(); ++i) {
            double late = std::chrono::duration<double, std::milli>(ticks[i] - start).count() - (i + 1.0) * kFastest;
            latest = std::max(latest, late);
            sum += late;
        }
        mean = sum / static_cast<double>(ticks.size());
        state.counters["ticks"] = static_cast<double>(ticks.size());
    }
    state.counters["overrun_%"] = overrun;
    state.counters["latest_tick_ms"] = latest;
    state.counters["mean_late_ms"] = mean;
}
BENCHMARK(BM_PieceAtTheFastestTempoOnTheDesktop)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
