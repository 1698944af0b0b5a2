#include "player/label_buttons.h"

#include <string>

#include "engine/tempo.h"
#include "model/cell_access.h"
#include "model/cell_roles.h"
#include "model/main_window.h"
#include "player/sequencer.h"

namespace kelo {

namespace {

void nextRepeatMode(Label& mode) {
    std::string_view next = ModoDopo(mode.Caption);
    if (next.empty()) return;
    mode.Caption = next;
    mode.BackColor = next == "Singolo" ? ColoreSpento : ColoreAcceso;
}

// Play starts only when there is a melody to play.
void play(frmKeloTrundo15& f) {
    if (f.lblInciso[Inciso::Lettera4].Caption.empty()) return;
    AbilitaFile(f, false);
    AvviaEsecuzione(f);
}

void stop(frmKeloTrundo15& f) {
    // The reveal of a loaded melody is still reading its cells: the file buttons
    // come back with a stop after it.
    AbilitaFile(f, !f.TmrMostraMelodiaDaFile.Enabled());
    FermaEsecuzione(f, 1);
}

// "Random" going off gives back the tempo the user chose. An interval that is no
// positive number would stop the clock while the play label shows "O": the one
// in force stays.
void userTempo(frmKeloTrundo15& f) {
    const std::string& interval = f.lblVeloc[Veloc::Intervallo].Caption;
    if (int level = tempoLevelOf(interval)) setNumber(f.lblVeloc[Veloc::Livello], level);
    if (isNumber16(interval) && val16(interval) > 0) f.TmrAudio.SetInterval(val16(interval));
}

}  // namespace

void lblPulsante_Click(frmKeloTrundo15& f, int Index) {
    Label& button = f.lblPulsante[Index];
    const bool wasOn = isOn(button);
    switch (Index) {
    case Pulsante::Ripetizione: nextRepeatMode(button); return;
    case Pulsante::Esegui: wasOn ? stop(f) : play(f); return;
    default: break;
    }
    toggle(button);
    if (!wasOn) return;
    if (Index == Pulsante::Indicatori)
        for (int k = 1; k <= 32; ++k) f.ShpIndicatore[k].BackColor = ColoreSpento;
    else if (Index == Pulsante::Accordi)
        for (int i = 1; i <= 19; ++i) f.mmcAccordi[i].Command("Close");
    else if (Index == Pulsante::Random)
        userTempo(f);
}

}  // namespace kelo
