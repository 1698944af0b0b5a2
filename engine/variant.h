#pragma once
// A numbered variant of the melody on the score: the same form, rhythm, harmony
// and pivots with new link figures, titled after the melody it varies.
namespace kelo {

struct frmKeloTrundo15;

// Expects a complete melody and a window already prepared for composing (nothing
// playing, the page on show saved, the reveal reset). Relinks the note slots,
// reruns the last touches of a composition, starts the reveal and writes the title
// "<title> - Var. n", where the title is the one the melody had at its first variant.
void ComponiVariante(frmKeloTrundo15& f);

}  // namespace kelo
