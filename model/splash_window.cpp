#include "model/splash_window.h"

#include "model/design/main_design.h"

namespace kelo {

frmSplashKelo2020::frmSplashKelo2020(Platform& platform) : Form(platform) {
    Name = "frmSplashKelo2020";
    lblSplash.add(3);
    add(ImgScreen, "ImgScreen");
    add(lblVersione, "lblVersione");
    addArray(lblSplash);
    add(lblDir, "lblDir");
    add(TmrVia, "TmrVia");
    add(mmcAllarme, "mmcAllarme");
    applySplashDesign(*this);
}

}  // namespace kelo
