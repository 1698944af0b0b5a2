#include "app/self_test.h"

#include "app/compose_button.h"
#include "engine/rhythm_modules.h"
#include "model/cell_access.h"
#include "model/main_window.h"

namespace kelo {

void Command2_Click(frmKeloTrundo15& f) { f.TmrProva.SetEnabled(!f.TmrProva.Enabled()); }

void TmrProva_Timer(frmKeloTrundo15& f) {
    stepCounter(f.lblPassaggi);
    cmdIncisi_Click(f);
    if (f.shpIncisi.BackColor == ColoreAcceso) {
        f.shpIncisi.BackColor = ColoreRiazzera;
        stepCounter(f.lblUguali);
        Command1_Click(f);
    }
}

}  // namespace kelo
