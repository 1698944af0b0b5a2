#pragma once
// The pivot note of every half-bar that starts a note, chosen backwards from the
// final note: each a tone of its chord, weighted by the pivot that follows it.
namespace kelo {

struct frmKeloTrundo15;

// The pivot stage: runs AssegnaNotePerno.
void cmdRicercaNotePerno_Click(frmKeloTrundo15& f);
// The backward pass over half-bars 16..1 into lblPerno(1..16).
void AssegnaNotePerno(frmKeloTrundo15& f);
// One search: the pivot of chord lblAccordoEsaminato before the pivot
// lblNotaEsaminata, into lblNotaPernoScelta.
void cmdTrovaNotePerno_Click(frmKeloTrundo15& f);
// The search's test inputs on the engine panel: a click steps the chord DO+,
// SOL+, FA+ and round, the following pivot one pitch up from si to re' and round.
void lblAccordoEsaminato_Click(frmKeloTrundo15& f);
void lblNotaEsaminata_Click(frmKeloTrundo15& f);
// The final-note draw into lblFine(0).
void ScegliNotaFinale(frmKeloTrundo15& f);

}  // namespace kelo
