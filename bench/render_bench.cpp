// Drawing the main window offscreen, as the screen repaints it after every
// event and timer tick.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPainter>
#include <cstdlib>

#include "app/main_window.h"
#include "platform/desktop/form_painter.h"
#include "platform/desktop/picture_cache.h"
#include "platform/headless/headless_platform.h"

namespace {

void needGui() {
    static int argc = 1;
    static char name[] = "kelo_bench";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static QGuiApplication app(argc, argv);
    }
}

// One full repaint of the main window at its design state, with the window's layout made once.
void BM_PaintMainWindow(benchmark::State& state) {
    needGui();
    kelo::HeadlessPlatform headless;
    kelo::frmKeloTrundo15 window(headless.platform);
    kelo::PictureCache pictures(headless.files);
    kelo::FormLayout layout(window);
    kelo::FormPainter painter(pictures);
    QImage target(1024, 768, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&target);
        painter.paint(p, window, layout);
        p.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_PaintMainWindow)->Unit(benchmark::kMillisecond);

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
