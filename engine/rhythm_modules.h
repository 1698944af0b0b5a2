#pragma once
// The rhythm of a melody: a pool of modules from each of the two module lists,
// four different module pairs, a pair per section letter and the split of every
// bar into the rhythm codes of its two half-bars.
#include <string_view>

namespace kelo {

struct frmKeloTrundo15;

// The two half-bar codes of a rhythm module, or nullptr for no module.
struct ModuleSplit {
    std::string_view module;
    std::string_view first;
    std::string_view second;
};
const ModuleSplit* splitOfModule(std::string_view module);

// Stage 1: empties the four pairs and the pair counter.
void Command1_Click(frmKeloTrundo15& f);
// Stage 3: candidates and pool of the first list, first-bar module of pair 1.
void cmdScegliPrimiModuli_Click(frmKeloTrundo15& f);
// Stage 4: candidates and pool of the second list, second-bar module of pair 1,
// pairs 2..4, bars and half-bars (or the nested restart of the composition).
// Without a first-list pool to pair with (the panel's button first) it does nothing.
void cmdScegliPrimiModuli2_Click(frmKeloTrundo15& f);

void ElencaModuliScelti(frmKeloTrundo15& f);
void ElencaModuliSceltiB(frmKeloTrundo15& f);
void EstraiModuli(frmKeloTrundo15& f);
void EstraiModuliB(frmKeloTrundo15& f);
void ScegliModuloA(frmKeloTrundo15& f);
void ScegliModuloB(frmKeloTrundo15& f);
void ScegliSecondaCoppia(frmKeloTrundo15& f);
void ScegliTerzaCoppia(frmKeloTrundo15& f);
void ScegliQuartaCoppia(frmKeloTrundo15& f);
void DividiModuliInDueQuarti(frmKeloTrundo15& f);

// Buttons of the hidden panels: the first list's pool alone ("Assegna Moduli"),
// and a pool with the four first-bar positions ("Tutti e Quattro"); both only
// once the candidate list exists ("Seleziona Moduli" or a composition made it).
void cmdAssegnaModuli_Click(frmKeloTrundo15& f);
void cmdTuttieQuattro_Click(frmKeloTrundo15& f);
void ScegliQuattroModuli(frmKeloTrundo15& f);

// Bounds that keep a table that can never give four different pairs from
// running without end.
inline constexpr int kMaxPair2Redraws = 1000;

}  // namespace kelo
