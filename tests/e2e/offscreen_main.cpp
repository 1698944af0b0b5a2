// The desktop tests run on Qt's offscreen display, one screen of 1024 x 768 unless
// `--screen=WxH` asks for another, with SDL's dummy audio driver: no display and no
// sound card needed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryFile>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    int width = 1024, height = 768;
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--screen=", 9) == 0 && std::sscanf(argv[i] + 9, "%dx%d", &width, &height) != 2)
            return std::fprintf(stderr, "--screen wants WIDTHxHEIGHT in pixels\n"), 2;
    QTemporaryFile config;  // the offscreen display reads it when the application starts
    if (!config.open()) return 2;
    config.write(QStringLiteral(R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": %1, "height": %2,)"
                                R"( "logicalDpi": 96, "logicalBpi": 96, "dpr": 1}]})")
                     .arg(width)
                     .arg(height)
                     .toUtf8());
    config.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toUtf8());
    qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
