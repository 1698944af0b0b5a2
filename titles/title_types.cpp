#include "titles/title_types.h"

#include <string_view>

#include "model/cell_access.h"
#include "model/cell_roles.h"
#include "model/main_window.h"
#include "model/random_draw.h"
#include "titles/title_generators.h"
#include "titles/title_lists.h"

namespace kelo {

namespace {
// Draws before the choice stops trusting the random source: a fair source finds the
// last free type of a cycle within a thousand draws but for a chance of about 1e-19.
constexpr int kTries = 1000;

using Generatore = void (*)(frmKeloTrundo15&);
// Types 1..24, four to a line.
constexpr Generatore kGeneratori[kTitleTypes] = {
    GeneraTitoloCitta,        GeneraTitoloDedica,      GeneraTitoloSaluti, GeneraTitoloGiorno,   GeneraTitoloFiori,
    GeneraTitoloFumetti,      GeneraTitoloFiabe,       GeneraTitoloViaggi, GeneraTitoloProverbi, GeneraTitoloAstri,
    GeneraTitoloLibri,        GeneraTitoloMare,        GeneraTitoloStoria, GeneraTitoloMiti,     GeneraTitoloNatura,
    GeneraTitoloMusica2,      GeneraTitoloMusica1,     GeneraTitoloGemme,  GeneraTitoloCielo,    GeneraTitoloAnimali,
    GeneraTitoloEsclamazioni, GeneraTitoloPersonaggio, GeneraTitoloBibbia, GeneraTitoloGiochi,
};

// The type the dispatch runs: the caption exactly "1".."24", else 0.
int dispatchedType(std::string_view caption) { return plainNumberIn(caption, 1, kTitleTypes); }

// These cells are ours alone; text that is not a number there means no current type
// rather than the end of the program.
int currentType(const frmKeloTrundo15& f) {
    const std::string& caption = f.lblTipologiaTitolo.Caption;
    return isNumber16(caption) ? val16(caption) : 0;
}

// "24" ends the cycle; so does a count that is no number of a cycle under way,
// which could not be raised without losing the count's agreement with the marks.
bool cycleEnded(const Label& count) {
    if (!isNumber16(count.Caption)) return true;
    const int n = val16(count.Caption);
    return n < 0 || n >= kTitleTypes;
}

void newCycle(frmKeloTrundo15& f) {
    f.lblScegliTitolo[ScegliTitolo::Usati].Caption = "0";
    for (int t = 1; t <= kTitleTypes; ++t) f.lblScegliTitolo[t].BackColor = ColoreSpento;
}

// A type other than the current one: opens a new cycle when the last has ended,
// then takes the type when it is free this cycle.
bool takeType(frmKeloTrundo15& f, int t) {
    Label& count = f.lblScegliTitolo[ScegliTitolo::Usati];
    if (cycleEnded(count)) newCycle(f);
    Label& mark = f.lblScegliTitolo[t];
    if (mark.BackColor != ColoreSpento) return false;
    mark.BackColor = ColoreAcceso;
    setNumber(count, number(count) + 1);
    setNumber(f.lblTipologiaTitolo, t);
    GeneraTitolo(f);
    return true;
}
}  // namespace

void ScegliTipologiaTitolo(frmKeloTrundo15& f) {
    const int current = currentType(f);
    for (int i = 0; i < kTries; ++i) {
        const int t = NumeroCasuale(f, kTitleTypes);
        if (t != current && takeType(f, t)) return;
    }
    // A random source stuck on taken types: the first acceptable type in order.
    for (int t = 1; t <= kTitleTypes; ++t)
        if (t != current && takeType(f, t)) return;
    // Every type but the current one marked although the count says otherwise.
    newCycle(f);
    takeType(f, current == 1 ? 2 : 1);
}

void GeneraTitolo(frmKeloTrundo15& f) {
    if (int type = dispatchedType(f.lblTipologiaTitolo.Caption)) kGeneratori[type - 1](f);
}

void cmdTitoli_Click(frmKeloTrundo15& f) { ScegliTipologiaTitolo(f); }

}  // namespace kelo
