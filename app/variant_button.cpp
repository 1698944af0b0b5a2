#include "app/variant_button.h"

#include "app/compose_button.h"
#include "engine/variant.h"
#include "model/colours.h"
#include "model/main_window.h"

namespace kelo {

void lblVariante_MouseDown(frmKeloTrundo15& f, const MouseArgs&) {
    if (!f.cmdIncisi.Enabled) return;
    PreparaComposizione(f);
    ComponiVariante(f);
    f.lblVariante.BackColor = ColoreAcceso;
    f.lblVariante.Enabled = false;
}

}  // namespace kelo
