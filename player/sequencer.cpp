#include "player/sequencer.h"

#include "model/colours.h"
#include "model/main_window.h"

namespace kelo {

void FermaEsecuzione(frmKeloTrundo15& f) {
    f.lblStepAudio.Caption = "0";
    f.lblIndiceAcc.Caption = "0";
    f.lblCoeffAcc.Caption = "0";
    f.lblCommandPrec.Caption = "0";
    f.TmrAudio.SetEnabled(false);
    f.lblPulsante[1].Enabled = true;
    f.lblCoeff.Caption = "0";
    f.lblPulsante[3].BackColor = ColoreSpento;
    f.lblPulsante[3].Caption = ">";
    for (int i = 0; i <= 10; ++i) f.mmcPiano[i].Command("Close");
    for (int i = 0; i <= 19; ++i) f.mmcAccordi[i].Command("Close");
    for (int k = 1; k <= 32; ++k) f.ShpIndicatore[k].BackColor = ColoreSpento;
}

}  // namespace kelo
