#include "titles/title_generators.h"

#include <string>

#include "model/main_window.h"
#include "model/random_draw.h"
#include "titles/title_lists.h"

namespace kelo {

namespace {
// Entry r of a list, counting from 1; a draw past the list gives the empty text.
std::string_view entry(std::span<const std::string_view> list, int r) {
    return r >= 1 && static_cast<size_t>(r) <= list.size() ? list[static_cast<size_t>(r) - 1] : std::string_view();
}

std::string_view drawEntry(frmKeloTrundo15& f, std::span<const std::string_view> list) {
    return entry(list, NumeroCasuale(f, static_cast<int>(list.size())));
}

// The one draw behind every type: the prefix first, then the word, each with its
// own NumeroCasuale.
void ScriviTitolo(frmKeloTrundo15& f, int type) {
    const TitleLists& lists = titleLists(type);
    std::string title;
    if (!lists.prefixes.empty()) {
        title = drawEntry(f, lists.prefixes);
        title += lists.between;
    }
    title += drawEntry(f, lists.words);
    f.TxtTitolo.Text = std::move(title);
}
}  // namespace

void GeneraTitoloCitta(frmKeloTrundo15& f) { ScriviTitolo(f, 1); }
void GeneraTitoloDedica(frmKeloTrundo15& f) { ScriviTitolo(f, 2); }
void GeneraTitoloSaluti(frmKeloTrundo15& f) { ScriviTitolo(f, 3); }
void GeneraTitoloGiorno(frmKeloTrundo15& f) { ScriviTitolo(f, 4); }
void GeneraTitoloFiori(frmKeloTrundo15& f) { ScriviTitolo(f, 5); }
void GeneraTitoloFumetti(frmKeloTrundo15& f) { ScriviTitolo(f, 6); }
void GeneraTitoloFiabe(frmKeloTrundo15& f) { ScriviTitolo(f, 7); }
void GeneraTitoloViaggi(frmKeloTrundo15& f) { ScriviTitolo(f, 8); }
void GeneraTitoloProverbi(frmKeloTrundo15& f) { ScriviTitolo(f, 9); }
void GeneraTitoloAstri(frmKeloTrundo15& f) { ScriviTitolo(f, 10); }
void GeneraTitoloLibri(frmKeloTrundo15& f) { ScriviTitolo(f, 11); }
void GeneraTitoloMare(frmKeloTrundo15& f) { ScriviTitolo(f, 12); }
void GeneraTitoloStoria(frmKeloTrundo15& f) { ScriviTitolo(f, 13); }
void GeneraTitoloMiti(frmKeloTrundo15& f) { ScriviTitolo(f, 14); }
void GeneraTitoloNatura(frmKeloTrundo15& f) { ScriviTitolo(f, 15); }
void GeneraTitoloMusica2(frmKeloTrundo15& f) { ScriviTitolo(f, 16); }
void GeneraTitoloMusica1(frmKeloTrundo15& f) { ScriviTitolo(f, 17); }
void GeneraTitoloGemme(frmKeloTrundo15& f) { ScriviTitolo(f, 18); }
void GeneraTitoloCielo(frmKeloTrundo15& f) { ScriviTitolo(f, 19); }
void GeneraTitoloAnimali(frmKeloTrundo15& f) { ScriviTitolo(f, 20); }
void GeneraTitoloEsclamazioni(frmKeloTrundo15& f) { ScriviTitolo(f, 21); }
void GeneraTitoloPersonaggio(frmKeloTrundo15& f) { ScriviTitolo(f, 22); }
void GeneraTitoloBibbia(frmKeloTrundo15& f) { ScriviTitolo(f, 23); }
void GeneraTitoloGiochi(frmKeloTrundo15& f) { ScriviTitolo(f, 24); }

}  // namespace kelo
