// Drawing the main window offscreen, as the screen repaints it after every
// event and timer tick.
#include <benchmark/benchmark.h>

#include <QPainter>
#include <filesystem>
#include <functional>
#include <string>

#include "bench_window.h"
#include "gui_app.h"
#include "model/main_window.h"
#include "platform/desktop/form_painter.h"
#include "platform/desktop/picture_cache.h"
#include "platform/headless/headless_platform.h"
#include "settings/factory_defaults.h"
#include "settings/weight_steppers.h"

namespace {

using kelo::bench::needGui;

// Repaints the window into one image per iteration, its layout and pictures made once;
// `event` runs before each repaint, as the event the screen follows.
void repaintEveryIteration(benchmark::State& state, kelo::frmKeloTrundo15& window, kelo::FileSystem& files,
                           const std::function<void()>& event = {}) {
    kelo::PictureCache pictures(files);
    kelo::FormLayout layout(window);
    kelo::FormPainter painter(pictures);
    QImage target(1024, 768, QImage::Format_RGB32);
    for (auto _ : state) {
        if (event) event();
        QPainter p(&target);
        painter.paint(p, window, layout);
        p.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}

// One full repaint of the main window at its design state, with the window's layout made once.
void BM_PaintMainWindow(benchmark::State& state) {
    needGui();
    kelo::HeadlessPlatform headless;
    kelo::frmKeloTrundo15 window(headless.platform);
    repaintEveryIteration(state, window, headless.files);
}
BENCHMARK(BM_PaintMainWindow)->Unit(benchmark::kMillisecond);

// A repaint with every picture of the score, the logo and the compose button in place
// (run from the build folder that holds the data tree).
void BM_PaintMainWindowWithScore(benchmark::State& state) {
    needGui();
    if (!kelo::bench::dataTreeHere(state)) return;
    kelo::HeadlessPlatform headless(std::filesystem::current_path());
    kelo::frmKeloTrundo15 window(headless.platform);
    const std::string grafica = "Kelo 2020\\Grafica\\";
    constexpr const char* notes[8] = {"DO 1", "MI 1", "SOL 2", "do' 1", "RE 1", "FA 1", "LA 4", "SI c"};
    for (int k = 1; k <= 32; ++k) window.ImgNota[k].Picture = grafica + notes[k % 8] + ".jpg";
    window.ImgNota[33].Picture = window.ImgNota[34].Picture = grafica + "chiave.jpg";
    window.ImgNota[35].Picture = grafica + "tempo.jpg";
    window.ImgNota[36].Picture = grafica + "vuoto.jpg";
    window.ImgLogo.Picture = grafica + "Kelo-trundo 2020.jpg";
    window.cmdIncisi.Picture = grafica + "Kelo.jpg";
    repaintEveryIteration(state, window, headless.files);
}
BENCHMARK(BM_PaintMainWindowWithScore)->Unit(benchmark::kMillisecond);

// A held weight's repeat tick and the repaint that shows it.
void BM_RepaintAfterStepperTick(benchmark::State& state) {
    needGui();
    kelo::HeadlessPlatform headless;
    kelo::frmKeloTrundo15 window(headless.platform);
    kelo::resetAllToFactory(window);
    kelo::lblNota_MouseDown(window, 57, {});
    repaintEveryIteration(state, window, headless.files, [&] { kelo::TmrNota_Timer(window); });
}
BENCHMARK(BM_RepaintAfterStepperTick)->Unit(benchmark::kMillisecond);

// The same from scratch: image, layout and picture cache included.
void BM_RenderMainWindow(benchmark::State& state) {
    needGui();
    kelo::HeadlessPlatform headless;
    kelo::frmKeloTrundo15 window(headless.platform);
    for (auto _ : state) {
        QImage image = kelo::renderForm(window);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RenderMainWindow)->Unit(benchmark::kMillisecond);

}  // namespace
