#pragma once
// The title of each new melody: a title type drawn in cycles of 24, every type once
// a cycle and never the same type twice in a row, then that type's generator.
namespace kelo {

struct frmKeloTrundo15;

// Chooses the next title type, marks it used in lblScegliTitolo and writes a title
// of it into TxtTitolo.
void ScegliTipologiaTitolo(frmKeloTrundo15& f);

// Runs the generator of the type that lblTipologiaTitolo holds, exactly "1".."24";
// any other text leaves the title as it is.
void GeneraTitolo(frmKeloTrundo15& f);

// The "Titoli" button of the developer panel: one more title, as a new melody gets.
void cmdTitoli_Click(frmKeloTrundo15& f);

}  // namespace kelo
