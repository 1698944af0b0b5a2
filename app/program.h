#pragma once
// The running program: both windows over one platform, their handlers bound.
#include "model/main_window.h"
#include "model/splash_window.h"

namespace kelo {

struct Program {
    explicit Program(Platform& platform);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    frmSplashKelo2020 splash;
    frmKeloTrundo15 main;

    // Loads the splash window and shows it; the rest of the start-up follows on timers.
    void start();
};

}  // namespace kelo
