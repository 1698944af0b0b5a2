// The desktop tests run on Qt's offscreen display, one screen of 1024 x 768 unless
// `--screen=WxH` asks for another, with SDL's dummy audio driver: no display and no
// sound card needed.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

int main(int argc, char** argv) {
    int width = 1024, height = 768;
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--screen=", 9) == 0 && std::sscanf(argv[i] + 9, "%dx%d", &width, &height) != 2) {
            std::fprintf(stderr, "--screen wants WIDTHxHEIGHT in pixels\n");
            return 2;
        }
    namespace fs = std::filesystem;
    fs::path config = fs::temp_directory_path() / ("kelo-offscreen-" + std::to_string(getpid()) + ".json");
    {
        std::ofstream out(config);
        out << R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": )" << width << R"(, "height": )" << height
            << R"(, "logicalDpi": 96, "logicalBpi": 96, "dpr": 1}]})";
    }
    std::string platform = "offscreen:configfile=" + config.string();
    setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    QApplication app(argc, argv);
    std::error_code ignored;
    fs::remove(config, ignored);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
