#include "engine/variant.h"

#include "engine/compose.h"
#include "engine/melodic_links.h"
#include "model/cell_access.h"
#include "model/main_window.h"

namespace kelo {

void ComponiVariante(frmKeloTrundo15& f) {
    for (int k = 1; k <= 32; ++k) f.lblMelos[k].Caption.clear();
    for (int s = 1; s <= 64; ++s) f.lblStep[s].Caption.clear();
    // A section copy can move the chord changes, and a melody from a record brings
    // codes of its own: none of them may sound where the new choice strikes nothing.
    for (int j = 2; j <= 12; ++j) f.lblAccomp[j].Caption.clear();

    // The title is kept at the first variant only, so that suffixes never chain.
    if (counterOf(f.lblNumeroVariante) == 0) f.lblCopiaTitolo.Caption = f.TxtTitolo.Text;
    f.lblNumeroVariante.BackColor = ColoreRosso;  // the end of the reveal keeps the title

    cmdScegliCollegamento2_Click(f);
    RifinisciMelodia(f);
    AvviaRivelazione(f);

    stepCounter(f.lblNumeroVariante);
    f.TxtTitolo.Text = f.lblCopiaTitolo.Caption + " - Var. " + f.lblNumeroVariante.Caption;
}

}  // namespace kelo
