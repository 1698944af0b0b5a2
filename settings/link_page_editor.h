#pragma once
// The link page: a stepper on its 80 cells whose release writes the cell into the
// link-weight bank, and the pager "<" ">" that chooses the link case on show.
#include "platform/controls.h"

namespace kelo {

struct frmKeloTrundo15;

void lblCollegamento_MouseDown(frmKeloTrundo15& f, int Index, const MouseArgs& m);
void lblCollegamento_MouseUp(frmKeloTrundo15& f, int Index, const MouseArgs& m);
void TmrCollegamento_Timer(frmKeloTrundo15& f);

// "<" and ">" move the case at the press, then every tick of TmrPagina moves the
// case number, pivot and chord on; the press and the release load case and page.
void lblCercaNota_MouseDown(frmKeloTrundo15& f, int Index, const MouseArgs& m);
void lblCercaNota_MouseUp(frmKeloTrundo15& f, int Index, const MouseArgs& m);
void TmrPagina_Timer(frmKeloTrundo15& f);

// While a page cell is held, writes what it shows into the bank: a composition
// reloads the page and would otherwise lose the steps made so far.
void ScriviCollegamentoTenuto(frmKeloTrundo15& f);

}  // namespace kelo
