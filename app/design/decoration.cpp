// Region panels behind the tables and the fixed texts: headings, axis labels
// and separators.
#include "app/design/design_kit.h"
#include "app/design/regions.h"
#include "app/main_window.h"

namespace kelo::design {

void decoration(frmKeloTrundo15& f) {
    f.lblScritteVarie.forEach([](Label& t) {
        t.Transparent = true;
        t.Font = kHeadingFont;
    });
    constexpr const char* finals[4] = {"do'", "SOL", "MI", "DO"};
    for (int k = 0; k < 4; ++k)
        fixedText(f.lblScritteVarie[68 + k], 14280, 4920 + 360 * k, 435, 255, finals[k], kCellFont);
    fixedText(f.lblScritteVarie[74], 11400, 10560, 615, 255, "DATI: ");

    f.ShpVari.forEach([](Shape& s) {
        s.BackColor = ColoreSfondo;
        s.Visible = false;
    });
}

}  // namespace kelo::design
