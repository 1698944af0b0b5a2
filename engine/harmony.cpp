#include "engine/harmony.h"

#include <array>
#include <string_view>

#include "engine/weighted_draw.h"
#include "model/cell_access.h"
#include "model/cell_roles.h"
#include "model/main_window.h"
#include "model/random_draw.h"

namespace kelo {

namespace {

using Chords = std::array<const char*, 3>;

// Chords of half-bars 13..15 per cadence; where a whole note at half-bar 13 joins
// 13 and 14, the cadence is rewritten so that both share one chord.
struct CadenceChords {
    std::string_view cadence;
    const char* rewrite;  // nullptr: no rewrite, half-bar 13 is not looked at
    Chords plain;
    Chords rewritten;
};
constexpr CadenceChords kCadenceChords[] = {
    {"DO DO DO DO", nullptr, {"DO+", "DO+", "DO+"}, {}},
    {"DO DO FA DO", nullptr, {"DO+", "DO+", "FA+"}, {}},
    {"DO DO SOL DO", nullptr, {"DO+", "DO+", "SOL+"}, {}},
    {"DO FA DO DO", "FA FA DO DO", {"DO+", "FA+", "DO+"}, {"FA+", "FA+", "DO+"}},
    {"DO FA FA DO", "FA FA FA DO", {"DO+", "FA+", "FA+"}, {"FA+", "FA+", "FA+"}},
    {"DO FA SOL DO", "FA FA SOL DO", {"DO+", "FA+", "SOL+"}, {"FA+", "FA+", "SOL+"}},
    {"DO SOL DO DO", "DO DO DO DO", {"DO+", "SOL+", "DO+"}, {"DO+", "DO+", "DO+"}},
    {"DO SOL SOL DO", "SOL SOL SOL DO", {"DO+", "SOL+", "SOL+"}, {"SOL+", "SOL+", "SOL+"}},
    {"FA FA DO DO", nullptr, {"FA+", "FA+", "DO+"}, {}},
    {"FA FA SOL DO", nullptr, {"FA+", "FA+", "SOL+"}, {}},
    {"FA SOL DO DO", "SOL SOL DO DO", {"FA+", "SOL+", "DO+"}, {"SOL+", "SOL+", "DO+"}},
    {"FA SOL SOL DO", "FA FA SOL DO", {"FA+", "SOL+", "SOL+"}, {"FA+", "FA+", "SOL+"}},
    {"SOL SOL DO DO", nullptr, {"SOL+", "SOL+", "DO+"}, {}},
};

// Accompaniment codes of half-bars 13..16 per cadence ("" = the chord goes on).
struct CadenceCodes {
    std::string_view cadence;
    std::array<const char*, 4> codes;
};
constexpr CadenceCodes kCadenceCodes[] = {
    {"DO DO DO DO", {"2", "4", "1", ""}},     {"DO DO FA DO", {"2", "", "5", "1"}},
    {"DO DO SOL DO", {"2", "", "12", "1"}},   {"DO FA DO DO", {"2", "5", "1", ""}},
    {"DO FA FA DO", {"2", "5", "", "1"}},     {"DO FA SOL DO", {"2", "5", "12", "1"}},
    {"DO SOL DO DO", {"2", "12", "1", ""}},   {"DO SOL SOL DO", {"2", "9", "12", "1"}},
    {"FA FA DO DO", {"5", "", "1", ""}},      {"FA FA SOL DO", {"5", "", "12", "1"}},
    {"FA SOL SOL DO", {"5", "9", "12", "1"}}, {"FA SOL DO DO", {"5", "12", "1", ""}},
    {"SOL SOL DO DO", {"9", "12", "1", ""}},  {"FA FA FA DO", {"5", "", "5", "1"}},
    {"SOL SOL SOL DO", {"9", "", "8", "1"}},
};

// Codes by chord and pivot for the draw r = 1..6.
struct AccompanimentRow {
    std::string_view chord;
    std::string_view pivot;
    std::string_view pivot2;  // the same row serves both octaves of a tone
    std::array<const char*, 6> codes;
};
// clang-format off
constexpr AccompanimentRow kAccompaniment[] = {
    {"DO+", "DO", "do'", {"4", "3", "3", "2", "2", "2"}},
    {"DO+", "MI", "", {"4", "4", "2", "2", "2", "2"}},
    {"DO+", "SOL", "", {"3", "3", "2", "2", "2", "2"}},
    {"SOL+", "SOL", "", {"10", "10", "10", "9", "9", "9"}},
    {"SOL+", "si", "SI", {"9", "9", "9", "9", "9", "9"}},
    {"SOL+", "RE", "re'", {"10", "10", "10", "9", "9", "9"}},
    {"FA+", "FA", "", {"6", "6", "6", "5", "5", "5"}},
    {"FA+", "LA", "", {"5", "5", "5", "5", "5", "5"}},
    {"FA+", "DO", "do'", {"6", "6", "6", "5", "5", "5"}},
};
// clang-format on

// Chord numbers of the transition weights: DO+ 1, FA+ 2, SOL+ 3; 0 for none.
constexpr const char* kChords[] = {"", "DO+", "FA+", "SOL+"};
int chordNumber(std::string_view chord) {
    for (int n = 1; n <= 3; ++n)
        if (chord == kChords[n]) return n;
    return 0;
}

void chooseAccompaniment(frmKeloTrundo15& f, int k, std::string_view chord) {
    int r = NumeroCasuale(f, 6);  // drawn before chord and pivot are looked at
    std::string_view pivot = f.lblPerno[k].Caption;
    for (const AccompanimentRow& row : kAccompaniment)
        if (row.chord == chord && (row.pivot == pivot || (!row.pivot2.empty() && row.pivot2 == pivot))) {
            f.lblAccomp[k].Caption = row.codes[static_cast<size_t>(r - 1)];
            return;
        }
}

}  // namespace

void EstraiCadenza(frmKeloTrundo15& f) {
    int k = EstrazionePesata(f, f.lblCadenza, f.lblFreCad, 13, "lblFreCad (cadences)");
    f.lblCadenza[Cadenza::Estratta].Caption = f.lblScelta[k].Caption;
}

void cmdScegliArmonie_Click(frmKeloTrundo15& f) {
    EstraiCadenza(f);
    for (const CadenceChords& c : kCadenceChords) {
        if (c.cadence != f.lblCadenza[Cadenza::Estratta].Caption) continue;
        const Chords* chords = &c.plain;
        if (c.rewrite && f.lblDueQuarti[DueQuarti::InizioCadenza].Caption == "4") {
            f.lblCadenza[Cadenza::Estratta].Caption = c.rewrite;
            chords = &c.rewritten;
        }
        for (int j = 0; j < 3; ++j)
            f.lblArmonie[DueQuarti::InizioCadenza + j].Caption = (*chords)[static_cast<size_t>(j)];
        break;
    }

    for (int k = 2; k <= 12; ++k) {
        if (f.lblDueQuarti[k].Caption == "0") {
            f.lblArmonie[k].Caption = f.lblArmonie[k - 1].Caption;
            continue;
        }
        // Run alone before any melody ("Scegli Armonie"), the chain has no chord to follow.
        int p = chordNumber(f.lblArmonie[k - 1].Caption);
        if (!p) continue;
        const int row = 3 * (p - 1);
        const int weights[] = {number(f.lblAccordi[row + 1]), number(f.lblAccordi[row + 2]),
                               number(f.lblAccordi[row + 3])};
        WeightedDraw next("lblAccordi (chord transitions)");
        for (int w : weights) next.add(w);
        f.lblArmonie[k].Caption = kChords[next.draw(f)];
    }
}

void ApplicaCadenza(frmKeloTrundo15& f) {
    for (const CadenceCodes& c : kCadenceCodes) {
        if (c.cadence != f.lblCadenza[Cadenza::Estratta].Caption) continue;
        for (int j = 0; j < 4; ++j) f.lblAccomp[DueQuarti::InizioCadenza + j].Caption = c.codes[static_cast<size_t>(j)];
        break;
    }
    if (f.lblDueQuarti[DueQuarti::Penultimo].Caption == "4") {
        f.lblAccomp[DueQuarti::Penultimo].Caption = "1";
        f.lblAccomp[DueQuarti::Ultimo].Caption.clear();
    }
}

void ScegliAccompagnamento(frmKeloTrundo15& f) {
    f.lblPrec.Caption = "DO+";
    f.lblAccomp[DueQuarti::Primo].Caption = "1";
    int count = 1;
    for (int k = 2; k <= 12; ++k) {
        const std::string& h = f.lblArmonie[k].Caption;
        // A change of chord strikes at once; a chord that holds, every fourth half-bar.
        if (h != f.lblPrec.Caption || ++count == 5) {
            count = 1;
            chooseAccompaniment(f, k, h);
            f.lblPrec.Caption = h;
        }
    }
}

}  // namespace kelo
