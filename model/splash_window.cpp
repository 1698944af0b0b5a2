#include "model/splash_window.h"

#include "model/design/main_design.h"

namespace kelo {

frmSplashKelo2020::frmSplashKelo2020(Platform& platform) : Form(platform) {
    Name = "frmSplashKelo2020";
    registerControls(ImgScreen, lblVersione, lblSplash, lblDir, TmrVia, mmcAllarme);
    applySplashDesign(*this);
}

}  // namespace kelo
