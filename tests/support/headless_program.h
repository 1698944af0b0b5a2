#pragma once
// The whole program on the headless backend, over a throw-away data tree whose
// pictures and samples are empty placeholders (the program only checks that
// they exist).
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/program.h"
#include "platform/headless/headless_platform.h"

namespace kelo::support {

// Creates <folder>/Kelo 2020/ with every sub-folder, placeholder pictures and samples, the
// marker file and the factory settings record; returns the data tree's root.
std::filesystem::path makeDataTree(const std::filesystem::path& folder);
std::filesystem::path freshFolder(const std::string& name);
std::string readFile(const std::filesystem::path& path);

struct HeadlessProgram {
    explicit HeadlessProgram(const std::string& name);
    ~HeadlessProgram();

    std::filesystem::path dir;
    HeadlessPlatform hp;
    Program program;
    frmKeloTrundo15& f;

    // Starts with the draw that gives the shortest splash (2000 ms) and runs the
    // road until the greeting has unlocked the window.
    void startAndGreet();
    std::string readFile(const std::string& relative) const;
};

}  // namespace kelo::support
