#include "engine/rhythm_modules.h"

#include <algorithm>
#include <string>

#include "engine/weighted_draw.h"
#include "model/cell_access.h"
#include "model/cell_roles.h"
#include "model/main_window.h"
#include "platform/dispatch.h"
#include "platform/runtime_error.h"

namespace kelo {

namespace {

constexpr ModuleSplit kModules[13] = {
    {"4", "4", "0"},           {"2 2", "2", "2"},         {"2 P 1", "2", "P 1"},   {"P 1 RP", "P 1", "RP"},
    {"1 P 1 1", "1 P", "1 1"}, {"2 1 1", "2", "1 1"},     {"RP 2", "RP", "2"},     {"1 1 2", "1 1", "2"},
    {"P 1 1 1", "P 1", "1 1"}, {"1 1 1 1", "1 1", "1 1"}, {"1 1 RP", "1 1", "RP"}, {"RP 1 1", "RP", "1 1"},
    {"RP RP", "RP", "RP"},
};

constexpr int kPairTries = 100;
constexpr int kPoolTries = 1000;

// The tables of one module list; the two lists are twins.
struct ModuleList {
    ControlArray<Label>& modules;     // lblModulo: the list, background = switched on
    ControlArray<Label>& weights;     // lblFreqInc: weights 1..13
    ControlArray<Label>& candidates;  // lblScegliModulo: candidates 1..13
    ControlArray<Label>& peso;
    ControlArray<Label>& min;
    ControlArray<Label>& max;
    ControlArray<Label>& pairs;  // lblModuloScelto: the module of this list in pairs 1..4
    bool first;
    const char* table;
};

ModuleList firstList(frmKeloTrundo15& f) {
    return {f.lblModulo,       f.lblFreqInc, f.lblScegliModulo,
            f.lblPeso,         f.lblMin,     f.lblMax,
            f.lblModuloScelto, true,         "lblFreqInc (first-module list)"};
}
ModuleList secondList(frmKeloTrundo15& f) {
    return {f.lblModuloB,       f.lblFreIncB, f.lblScegliModuloB,
            f.lblPesoB,         f.lblMinB,    f.lblMaxB,
            f.lblModuloSceltoB, false,        "lblFreIncB (second-module list)"};
}

void listCandidates(ModuleList l) {
    l.candidates[ScegliModulo::Candidati].Caption = "0";
    for (int k = 1; k <= 13; ++k) {
        Label& c = l.candidates[k];
        c.Caption.clear();
        c.BackColor = ColoreSpento;
        c.BorderStyle = 0;
        l.peso[k].Caption = "0";
        l.min[k].Caption.clear();
        l.max[k].Caption.clear();
    }
    for (int i = 1; i <= 13; ++i) {
        if (!isOn(l.modules[i])) continue;
        int n = add16(number(l.candidates[ScegliModulo::Candidati]), 1);
        setNumber(l.candidates[ScegliModulo::Candidati], n);
        l.candidates[n].Caption = l.modules[i].Caption;
        l.peso[n].Caption = l.weights[i].Caption;
    }
}

// The panel's buttons run single steps in any order: a pool is drawn from a
// candidate list, and pairs take their modules from a pool.
bool hasCandidates(const ModuleList& l) { return !l.candidates[1].Caption.empty(); }
bool hasPool(const ModuleList& l) {
    for (int k = 1; k <= 13; ++k)
        if (isOn(l.candidates[k])) return true;
    return false;
}

// Ranges over the declared number of candidates, then a pool of distinct
// candidates by weight; a try that lands on a pool member is lost.
void drawPool(frmKeloTrundo15& f, ModuleList l) {
    WeightedDraw list(l.table);
    int rowOf[14] = {};
    const int count = number(l.weights[FreqInc::Accesi]);
    for (int i = 1; i <= count; ++i) rowOf[list.add(number(l.peso[i]), l.min, l.max)] = i;
    setNumber(l.max[Max::Totale], list.total());
    // Rows past the declared count keep the ranges they hold; a row without a
    // candidate or a range is no candidate, and its bounds are never read.
    for (int k = std::max(count + 1, 1); k <= 13; ++k)
        if (!l.candidates[k].Caption.empty() && !l.min[k].Caption.empty()) rowOf[list.keep(l.min[k], l.max[k])] = k;

    const int wanted = number(l.weights[FreqInc::DaEstrarre]);
    for (int t = 1, taken = 0; t <= kPoolTries && taken != wanted; ++t) {
        const int k = rowOf[list.draw(f, l.min[Min::Casuale])];
        if (k == 0 || l.candidates[k].Caption.empty()) continue;
        // A try that lands on a pool member is lost; no other is taken instead.
        if (l.candidates[k].BackColor == ColoreSpento) {
            l.candidates[k].BackColor = ColoreAcceso;
            ++taken;
        }
    }
}

// Stores the module taken from row k into the pair the counter names.
void takeModule(frmKeloTrundo15& f, ModuleList l, int k) {
    l.candidates[ScegliModulo::Preso].Caption = l.candidates[k].Caption;
    l.candidates[k].BorderStyle = 1;
    if (l.first) {
        int pair = number(f.lblContaModuli);
        // There are four pairs: a draw made after the fourth starts them over.
        pair = pair >= 4 ? 1 : add16(pair, 1);
        setNumber(f.lblContaModuli, pair);
        l.pairs[pair].Caption = l.candidates[ScegliModulo::Preso].Caption;
    } else {
        // Before any first-bar module the counter names no pair yet: pair 1.
        l.pairs[std::max<int>(number(f.lblContaModuli), 1)].Caption = l.candidates[ScegliModulo::Preso].Caption;
    }
}

// A pool member that the pair being drawn has not taken yet.
bool untaken(const Label& c) { return isOn(c) && c.BorderStyle == 0; }

// The pool members' own draw, for when every try over the whole list missed
// the pool: the pair still gets a module, by the members' weights.
int drawAmongPool(frmKeloTrundo15& f, ModuleList l) {
    WeightedDraw members(l.table);
    int rowOf[14] = {};
    for (int k = 1; k <= 13; ++k)
        if (untaken(l.candidates[k])) rowOf[members.add(number(l.peso[k]))] = k;
    return rowOf[members.draw(f, l.min[Min::Casuale])];
}

// One module of a pair from one list: up to 100 tries over the whole list, a try
// counting only when it lands on a pool member not yet taken.
void drawPairModule(frmKeloTrundo15& f, ModuleList l, Label* tryCell) {
    l.candidates[ScegliModulo::Preso].Caption.clear();
    if (l.first) f.lblGigio.Caption.clear();
    // The members keep the ranges the pool gave them, over its whole total. Only
    // their bounds are read: a list that ends before row 13 has none below its
    // last candidate.
    WeightedDraw members(l.table, number(l.max[Max::Totale]));
    int rowOf[14] = {};
    for (int k = 1; k <= 13; ++k)
        if (untaken(l.candidates[k])) rowOf[members.keep(l.min[k], l.max[k])] = k;
    for (int t = 1; t <= kPairTries; ++t) {
        const int k = rowOf[members.draw(f, l.min[Min::Casuale])];
        if (k) takeModule(f, l, k);
        if (tryCell) setNumber(*tryCell, t);
        if (k) return;
    }
    int k = drawAmongPool(f, l);
    if (k == 0) raise(ErrorCode::InvalidCall, std::string("no module in the pool of ") + l.table);
    takeModule(f, l, k);
}

// Pairs 2, 3 and 4 begin alike: the marks of the previous pair are cleared, so
// a module may serve in several pairs.
void drawNextPair(frmKeloTrundo15& f) {
    f.lblScegliModulo[ScegliModulo::Preso].Caption.clear();
    for (int k = 1; k <= 13; ++k) {
        f.lblScegliModulo[k].BorderStyle = 0;
        f.lblScegliModuloB[k].BorderStyle = 0;
    }
    f.lblContaModuli.BackColor = ColoreSpento;
    drawPairModule(f, firstList(f), &f.lblGigio);
    f.lblScegliModuloB[ScegliModulo::Preso].Caption.clear();
    drawPairModule(f, secondList(f), &f.lblGigio2);
}

bool samePair(frmKeloTrundo15& f, int p, int q) {
    return f.lblModuloScelto[p].Caption == f.lblModuloScelto[q].Caption &&
           f.lblModuloSceltoB[p].Caption == f.lblModuloSceltoB[q].Caption;
}

void assignBars(frmKeloTrundo15& f) {
    int c = 0;
    for (int m = Inciso::Lettera1; m <= Inciso::Lettera4; ++m) {
        const std::string& letter = f.lblInciso[m].Caption;
        int p = letter == "A" ? 1 : letter == "B" ? 2 : letter == "C" ? 3 : letter == "D" ? 4 : 0;
        if (p) {
            f.lblMod[c + 1].Caption = f.lblModuloScelto[p].Caption;
            f.lblMod[c + 2].Caption = f.lblModuloSceltoB[p].Caption;
        }
        c += 2;
    }
}

}  // namespace

const ModuleSplit* splitOfModule(std::string_view module) {
    for (const ModuleSplit& m : kModules)
        if (m.module == module) return &m;
    return nullptr;
}

void Command1_Click(frmKeloTrundo15& f) {
    f.shpIncisi.BackColor = ColoreRiazzera;
    for (int p = 1; p <= 4; ++p) {
        f.lblModuloScelto[p].Caption.clear();
        f.lblModuloSceltoB[p].Caption.clear();
    }
    f.lblContaModuli.Caption = "0";
}

void ElencaModuliScelti(frmKeloTrundo15& f) { listCandidates(firstList(f)); }
void ElencaModuliSceltiB(frmKeloTrundo15& f) { listCandidates(secondList(f)); }
void EstraiModuli(frmKeloTrundo15& f) { drawPool(f, firstList(f)); }
void EstraiModuliB(frmKeloTrundo15& f) { drawPool(f, secondList(f)); }
void ScegliModuloA(frmKeloTrundo15& f) { drawPairModule(f, firstList(f), &f.lblGigio); }
void ScegliModuloB(frmKeloTrundo15& f) { drawPairModule(f, secondList(f), nullptr); }

void cmdScegliPrimiModuli_Click(frmKeloTrundo15& f) {
    ElencaModuliScelti(f);
    EstraiModuli(f);
    ScegliModuloA(f);
}

void cmdScegliPrimiModuli2_Click(frmKeloTrundo15& f) {
    if (!hasPool(firstList(f))) return;  // no first-bar module to pair with
    ElencaModuliSceltiB(f);
    EstraiModuliB(f);
    ScegliModuloB(f);
    ScegliSecondaCoppia(f);
}

void ScegliSecondaCoppia(frmKeloTrundo15& f) {
    for (int redraws = 0;; ++redraws) {
        drawNextPair(f);
        if (!samePair(f, 2, 1)) break;
        if (redraws == kMaxPair2Redraws)
            raise(ErrorCode::InvalidCall, "module pair 2 still equal to pair 1 after " +
                                              std::to_string(kMaxPair2Redraws) +
                                              " redraws: the module pools cannot give two different pairs");
        f.lblContaModuli.BackColor = ColoreRosso;
        f.lblContaModuli.Caption = "1";
    }
    ScegliTerzaCoppia(f);
}

void ScegliTerzaCoppia(frmKeloTrundo15& f) {
    drawNextPair(f);
    ScegliQuartaCoppia(f);
}

void ScegliQuartaCoppia(frmKeloTrundo15& f) {
    drawNextPair(f);
    bool repeated = false;
    for (int p = 1; p <= 3 && !repeated; ++p)
        for (int q = p + 1; q <= 4 && !repeated; ++q) repeated = samePair(f, p, q);
    if (repeated) {
        // The whole composition starts again inside this one; the caller then goes
        // on from its harmony stage over the rhythm the nested composition left.
        f.shpIncisi.BackColor = ColoreAcceso;
        Command1_Click(f);
        raiseClick(f.cmdIncisi);
        // The nested composition cleared the mark at its start: set it again, so
        // that whoever started this composition can tell that it restarted.
        f.shpIncisi.BackColor = ColoreAcceso;
    } else {
        assignBars(f);
        DividiModuliInDueQuarti(f);
    }
    if (f.lblDueQuarti[DueQuarti::Ultimo].Caption != "0") f.lblDueQuarti[DueQuarti::Ultimo].Caption = "2";
}

void cmdAssegnaModuli_Click(frmKeloTrundo15& f) {
    if (hasCandidates(firstList(f))) EstraiModuli(f);
}

void cmdTuttieQuattro_Click(frmKeloTrundo15& f) {
    if (hasCandidates(firstList(f))) ScegliQuattroModuli(f);
}

void ScegliQuattroModuli(frmKeloTrundo15& f) {
    EstraiModuli(f);
    f.lblModuloScelto[1].Caption = f.lblScegliModulo[ScegliModulo::Preso].Caption;
    // A position takes the module when it differs from every position filled
    // before. The pool draw never writes that module, so what one run finds every
    // further run finds too: one run per position tells.
    for (int p = 2; p <= 4; ++p) {
        EstraiModuli(f);
        const std::string& taken = f.lblScegliModulo[ScegliModulo::Preso].Caption;
        bool differs = true;
        for (int q = 1; q < p; ++q) differs = differs && taken != f.lblModuloScelto[q].Caption;
        if (differs) f.lblModuloScelto[p].Caption = taken;
    }
}

void DividiModuliInDueQuarti(frmKeloTrundo15& f) {
    for (int b = 1; b <= 8; ++b) {
        const ModuleSplit* m = splitOfModule(f.lblMod[b].Caption);
        if (!m) continue;
        f.lblDueQuarti[2 * b - 1].Caption = m->first;
        f.lblDueQuarti[2 * b].Caption = m->second;
    }
}

}  // namespace kelo
