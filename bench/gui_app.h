#pragma once
// One QApplication for every benchmark that paints or runs the desktop backend,
// on Qt's offscreen display unless another is asked for.
#include <QApplication>
#include <cstdlib>

namespace kelo::bench {

inline void needGui() {
    static int argc = 1;
    static char name[] = "kelo_bench";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static QApplication app(argc, argv);
    }
}

}  // namespace kelo::bench
