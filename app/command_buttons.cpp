#include "app/command_buttons.h"

#include "model/cell_access.h"
#include "model/cell_roles.h"
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
    f.lblPuls[Puls::Esc].Enabled = false;
    f.FraESci.Visible = true;
    f.sys.display.focus(f, f.cmdEsci[Esci::No]);
}

}  // namespace

void lblPuls_Click(frmKeloTrundo15& f, int Index) {
    Label& button = f.lblPuls[Index];
    // The file commands wait for the melody to rest; before the first melody there
    // is none to save.
    if (Index != Puls::Esc && melodyInUse(f)) return;
    if (Index == Puls::SalvaMelodia && f.lblInciso[Inciso::Lettera4].Caption.empty()) return;
    toggle(button);
    switch (Index) {
    case Puls::Esc: askToLeave(f); break;
    case Puls::SalvaMelodia: SalvaMelodia(f); break;
    case Puls::CaricaMelodia: CaricaMelodia(f); break;
    case Puls::SalvaImpostazioni: SalvaImpostazioni(f); break;
    case Puls::CaricaImpostazioni: CaricaImpostazioni(f); break;
    default: break;
    }
}

}  // namespace kelo
