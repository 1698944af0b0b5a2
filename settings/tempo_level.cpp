#include "settings/tempo_level.h"

#include <algorithm>

#include "engine/tempo.h"
#include "model/cell_access.h"
#include "model/cell_roles.h"
#include "settings/held_stepper.h"

namespace kelo {

namespace {

using W = frmKeloTrundo15;

// The exact texts "1".."16"; 0 for anything else.
int levelOf(const std::string& text) { return plainNumberIn(text, 1, 16); }

// "<" slows down, ">" speeds up. A level from elsewhere (a melody record)
// may lie outside 1..16: it is brought back to the nearer end first.
void stepLevel(frmKeloTrundo15& f, const HeldStepper&, int arrow) {
    if (arrow != Veloc::PiuLento && arrow != Veloc::PiuVeloce) return;
    Label& level = f.lblVeloc[Veloc::Livello];
    int now = std::clamp<int>(number(level), 1, 16);
    setNumber(level, arrow == Veloc::PiuLento ? std::max(now - 1, 1) : std::min(now + 1, 16));
}

void setPlaybackInterval(frmKeloTrundo15& f, const HeldStepper&, int) {
    if (int level = levelOf(f.lblVeloc[Veloc::Livello].Caption)) f.TmrAudio.SetInterval(tempoInterval(level));
    setNumber(f.lblVeloc[Veloc::Intervallo], f.TmrAudio.Interval());
}

const HeldStepper kVeloc{.cells = &W::lblVeloc,
                         .first = Veloc::PiuLento,
                         .last = Veloc::PiuVeloce,
                         .timerOnly = Veloc::Livello,
                         .heldItem = Veloc::FrecciaTenuta,
                         .timer = &W::TmrVeloc,
                         .rest = ColoreFreccia,
                         .renames = false,
                         .step = stepLevel,
                         .released = setPlaybackInterval};

}  // namespace

void lblVeloc_MouseDown(frmKeloTrundo15& f, int Index, const MouseArgs&) { pressHeld(f, kVeloc, Index); }
void lblVeloc_MouseUp(frmKeloTrundo15& f, int Index, const MouseArgs&) { releaseHeld(f, kVeloc, Index); }
void TmrVeloc_Timer(frmKeloTrundo15& f) { tickHeld(f, kVeloc); }

}  // namespace kelo
