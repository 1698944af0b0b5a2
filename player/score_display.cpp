#include "player/score_display.h"

#include "app/form_lifecycle.h"
#include "app/install_root.h"
#include "app/main_window.h"

namespace kelo {

void SvuotaImmaginiNote(frmKeloTrundo15& f) {
    for (int k = 1; k <= 32; ++k) f.ImgNota[k].Picture = LoadPicture(f, DataPath(f.lblDir.Caption, "Grafica\\vuoto.jpg"));
}

}  // namespace kelo
