#pragma once
// The start-up window: its picture, the start sound and the splash delay.
#include "platform/form.h"

namespace kelo {

struct frmKeloTrundo15;

struct frmSplashKelo2020 : Form {
    explicit frmSplashKelo2020(Platform& platform);

    frmKeloTrundo15* main = nullptr;

    Image ImgScreen{"ImgScreen"};
    Label lblVersione{"lblVersione"};
    ControlArray<Label> lblSplash{"lblSplash", 3, 3};
    Timer TmrVia{"TmrVia"};
    MediaPlayer mmcAllarme{"mmcAllarme"};
    Label lblDir{"lblDir"};
};

}  // namespace kelo
