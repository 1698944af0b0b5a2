#include "engine/pivot_notes.h"

#include <array>
#include <string_view>

#include "engine/pitch_names.h"
#include "engine/weighted_draw.h"
#include "model/cell_access.h"
#include "model/cell_roles.h"
#include "model/main_window.h"

namespace kelo {

namespace {

// The tones of each chord within the ten pitches, each with its column of the
// weights lblNota: candidate k is in column first + k.
struct ChordTones {
    std::string_view chord;
    int first;
    int count;
    std::array<const char*, 5> tones;
};
constexpr ChordTones kChordTones[] = {
    {"DO+", 0, 4, {"DO", "MI", "SOL", "do'", ""}},
    {"SOL+", 4, 5, {"si", "RE", "SOL", "SI", "re'"}},
    {"FA+", 9, 4, {"DO", "FA", "LA", "do'", ""}},
};

// Half-bar 15 holds a whole note: the melody ends on DO over DO+ there.
void wholeNoteEnding(frmKeloTrundo15& f) {
    f.lblPerno[DueQuarti::Penultimo].Caption = "DO";
    f.lblNotaPernoScelta.Caption = f.lblPerno[DueQuarti::Penultimo].Caption;
    f.lblArmonie[DueQuarti::Penultimo].Caption = "DO+";
    f.lblArmonie[DueQuarti::Ultimo].Visible = false;
    f.lblArmonie[DueQuarti::Ultimo].Caption = "DO+";
}

}  // namespace

void cmdRicercaNotePerno_Click(frmKeloTrundo15& f) { AssegnaNotePerno(f); }

void AssegnaNotePerno(frmKeloTrundo15& f) {
    for (int i = 1; i <= 16; ++i) f.lblPerno[i].Caption.clear();

    int start = DueQuarti::Penultimo;
    const std::string& code15 = f.lblDueQuarti[DueQuarti::Penultimo].Caption;
    if (code15 == "3") {
        wholeNoteEnding(f);
        f.lblDueQuarti[DueQuarti::Penultimo].Caption = "4";
        f.lblDueQuarti[DueQuarti::Ultimo].Caption = "0";
        start = DueQuarti::Penultimo - 1;
    } else if (code15 == "4") {
        wholeNoteEnding(f);
        f.lblDueQuarti[DueQuarti::Ultimo].Caption = "0";
        start = DueQuarti::Penultimo - 1;
    } else {
        ScegliNotaFinale(f);
        f.lblPerno[DueQuarti::Ultimo].Caption = f.lblFine[Fine::Estratta].Caption;
        f.lblNotaPernoScelta.Caption = f.lblPerno[DueQuarti::Ultimo].Caption;
    }

    for (int i = start; i >= 1; --i) {
        if (f.lblDueQuarti[i].Caption == "0") continue;
        f.lblAccordoEsaminato.Caption = f.lblArmonie[i].Caption;
        f.lblNotaEsaminata.Caption = f.lblNotaPernoScelta.Caption;
        cmdTrovaNotePerno_Click(f);
        f.lblPerno[i].Caption = f.lblNotaPernoScelta.Caption;
    }
}

void cmdTrovaNotePerno_Click(frmKeloTrundo15& f) {
    const ChordTones* tones = nullptr;
    for (const ChordTones& t : kChordTones)
        if (t.chord == f.lblAccordoEsaminato.Caption) tones = &t;
    // Without a chord and a following pivot (the panel's pivot pass before any
    // melody) there is nothing to weigh: the last choice stays.
    const int p = pitchNumber(f.lblNotaEsaminata.Caption);
    if (!tones || !p) return;
    for (int k = 1; k <= 5; ++k) f.lblNotaP[k].Caption = tones->tones[static_cast<size_t>(k - 1)];
    for (int k = 1; k <= tones->count; ++k)
        f.lblPesoNotaP[k].Caption = f.lblNota[pivotCell(tones->first + k, p)].Caption;
    if (tones->count == 4) f.lblPesoNotaP[5].Caption = "0";

    for (int k = 1; k <= 5; ++k) {
        f.lblNota2[k].Caption.clear();
        f.lblPesoN[k].Caption.clear();
        f.lblMinN[k].Caption.clear();
        f.lblMaxN[k].Caption.clear();
    }
    int n = 0;
    for (int k = 1; k <= 5; ++k) {
        if (f.lblPesoNotaP[k].Caption == "X") continue;
        ++n;
        f.lblNota2[n].Caption = f.lblNotaP[k].Caption;
        f.lblPesoN[n].Caption = f.lblPesoNotaP[k].Caption;
    }

    WeightedDraw notes("lblNota (pivot notes)");
    for (int k = 1; k <= 5 && !f.lblNota2[k].Caption.empty(); ++k)  // the list ends at the first empty name
        notes.add(number(f.lblPesoN[k]), f.lblMinN, f.lblMaxN);
    setNumber(f.lblMaxN[MaxN::Totale], notes.total());
    if (int k = notes.draw(f, f.lblMinN[MinN::Casuale])) f.lblNotaPernoScelta.Caption = f.lblNota2[k].Caption;
}

void lblAccordoEsaminato_Click(frmKeloTrundo15& f) {
    std::string& chord = f.lblAccordoEsaminato.Caption;
    if (chord == "DO+")
        chord = "SOL+";
    else if (chord == "SOL+")
        chord = "FA+";
    else if (chord == "FA+")
        chord = "DO+";
}

void lblNotaEsaminata_Click(frmKeloTrundo15& f) {
    if (int p = pitchNumber(f.lblNotaEsaminata.Caption))
        f.lblNotaEsaminata.Caption = kPitchNames[static_cast<size_t>(p % 10)];
}

void ScegliNotaFinale(frmKeloTrundo15& f) {
    for (int i = 0; i <= 4; ++i) {
        f.lblFine[i].Caption.clear();
        f.lblMinFine[i].Caption.clear();
        f.lblMaxFine[i].Caption.clear();
    }
    WeightedDraw notes("lblNotafinale (final notes)");
    for (int i = 1; i <= 4; ++i) {
        const Label& weight = f.lblNotafinale[i];
        if (weight.Caption == "0") continue;  // only the text "0" leaves a note out
        int n = notes.add(number(weight), f.lblMinFine, f.lblMaxFine);
        f.lblFine[n].Caption = f.lblScritteVarie[ScritteVarie::PrimaNotaFinale - 1 + i].Caption;
        setNumber(f.lblMaxFine[MaxFine::Totale], notes.total());
    }
    if (int n = notes.draw(f, f.lblMinFine[MinFine::Casuale])) f.lblFine[Fine::Estratta].Caption = f.lblFine[n].Caption;
}

}  // namespace kelo
