#include "player/persona.h"

#include "model/cell_access.h"
#include "model/cell_roles.h"
#include "model/main_window.h"
#include "model/random_draw.h"
#include "player/sample_player.h"

namespace kelo {

namespace {
constexpr int kTries = 1000;
}

void cmdKelo_Click(frmKeloTrundo15& f) {
    if (f.lblKeloPrecedente.BackColor != ColoreKeloPronto) return;
    // Cleared before the draw: one comment per reveal, even when no line is found.
    f.lblKeloPrecedente.BackColor = ColoreAcceso;
    for (int t = 1; t <= kTries; ++t) {
        setNumber(f.lblK, t);
        int n = NumeroCasuale(f, 12);
        int last = number(f.lblKeloPrecedente);
        if (f.lblKelo[Kelo::Detti].Caption == "12") {
            if (n == last) continue;
            for (int i = 1; i <= 12; ++i) f.lblScegliTitolo[i].BorderStyle = 0;
            f.lblScegliTitolo[n].BorderStyle = 1;
            SuonaCampione(f.mmcKelo, f.lblKeloPrecedente, n);
            f.lblKelo[Kelo::Detti].Caption = "1";
            return;
        }
        if (n != last && f.lblScegliTitolo[n].BorderStyle == 0) {
            f.lblScegliTitolo[n].BorderStyle = 1;
            SuonaCampione(f.mmcKelo, f.lblKeloPrecedente, n);
            setNumber(f.lblKelo[Kelo::Detti], add16(number(f.lblKelo[Kelo::Detti]), 1));
            return;
        }
    }
}

}  // namespace kelo
