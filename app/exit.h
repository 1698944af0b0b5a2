#pragma once
// The exit question and farewell, and the two developer panels.
namespace kelo {

struct frmKeloTrundo15;

void cmdEsci_Click(frmKeloTrundo15& f, int Index);
void TmrESci_Timer(frmKeloTrundo15& f);
void ImgLogo_Click(frmKeloTrundo15& f);
void AlternaPannelloInterno(frmKeloTrundo15& f);
void lblScritteVarie_Click(frmKeloTrundo15& f, int Index);
// The desktop asks to close the main window: the same as "Esc" while "Esc" is available.
void RichiestaChiusura(frmKeloTrundo15& f);

}  // namespace kelo
