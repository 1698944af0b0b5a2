#pragma once
// One function per region of the main window; main_design.cpp runs them in order.
namespace kelo {
struct frmKeloTrundo15;
}

namespace kelo::design {

void decoration(frmKeloTrundo15& f);
void headerRegion(frmKeloTrundo15& f);
void scoreRegion(frmKeloTrundo15& f);
void moduleRegion(frmKeloTrundo15& f);
void songFormRegion(frmKeloTrundo15& f);
void chordRegion(frmKeloTrundo15& f);
void cadenceRegion(frmKeloTrundo15& f);
void pivotRegion(frmKeloTrundo15& f);
void linkRegion(frmKeloTrundo15& f);
void optionsRow(frmKeloTrundo15& f);
void bottomRow(frmKeloTrundo15& f);
void exitQuestion(frmKeloTrundo15& f);
void workingState(frmKeloTrundo15& f);
void panels(frmKeloTrundo15& f);
void timersAndPlayers(frmKeloTrundo15& f);

}  // namespace kelo::design
