#include "player/score_display.h"

#include "model/data_files.h"
#include "model/form_services.h"
#include "model/main_window.h"

namespace kelo {

void SvuotaImmaginiNote(frmKeloTrundo15& f) {
    for (int k = 1; k <= 32; ++k) f.ImgNota[k].Picture = LoadPicture(f, DataPath(f.lblDir.Caption, "Grafica\\vuoto.jpg"));
}

}  // namespace kelo
