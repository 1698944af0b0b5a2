// Kelo on the desktop: the two windows over the real platform.
#include <QApplication>
#include <optional>

#include "app/program.h"
#include "platform/desktop/desktop_platform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kelo::DesktopPlatform desktop;
    std::optional<kelo::Program> program;
    desktop.run([&] {
        program.emplace(desktop.platform());
        program->start();
    });
    return desktop.exec();
}
