#include "app/command_buttons.h"

#include "model/cell_access.h"
#include "model/main_window.h"
#include "player/melody_files.h"
#include "settings/profiles.h"

namespace kelo {

namespace {

// A reveal, a piece or the pause before its replay is reading the melody's cells.
bool melodyInUse(frmKeloTrundo15& f) {
    return f.TmrMostraMelodia.Enabled() || f.TmrMostraMelodiaDaFile.Enabled() || f.TmrAudio.Enabled() ||
           f.TmrReplay.Enabled();
}

void askToLeave(frmKeloTrundo15& f) {
    f.lblPuls[0].Enabled = false;
    f.FraESci.Visible = true;
    f.sys.display.focus(f, f.cmdEsci[1]);
}

}  // namespace

void lblPuls_Click(frmKeloTrundo15& f, int Index) {
    Label& button = f.lblPuls[Index];
    // The file commands wait for the melody to rest; before the first melody there
    // is none to save.
    if (Index != 0 && melodyInUse(f)) return;
    if (Index == 1 && f.lblInciso[27].Caption.empty()) return;
    toggle(button);
    switch (Index) {
    case 0: askToLeave(f); break;
    case 1: SalvaMelodia(f); break;
    case 2: CaricaMelodia(f); break;
    case 3: SalvaImpostazioni(f); break;
    case 4: CaricaImpostazioni(f); break;
    default: break;
    }
}

}  // namespace kelo
