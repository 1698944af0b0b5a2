// The desktop tests run on Qt's offscreen display, one 1024 x 768 screen, with
// SDL's dummy audio driver: no display and no sound card needed.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    fs::path config = fs::temp_directory_path() / ("kelo-offscreen-" + std::to_string(getpid()) + ".json");
    {
        std::ofstream out(config);
        out << R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1024, "height": 768,)"
            << R"( "logicalDpi": 96, "logicalBpi": 96, "dpr": 1}]})";
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
