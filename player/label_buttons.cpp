#include "player/label_buttons.h"

#include "model/colours.h"
#include "model/main_window.h"

namespace kelo {

void lblPuls_Click(frmKeloTrundo15& f, int Index) {
    if (Index != 0) return;  // the melody and profile commands arrive with their own files
    Label& esc = f.lblPuls[0];
    esc.BackColor = esc.BackColor == ColoreAcceso ? ColoreSpento : ColoreAcceso;
    esc.Enabled = false;
    f.FraESci.Visible = true;
    f.sys.display.focus(f, f.cmdEsci[1]);
}

}  // namespace kelo
