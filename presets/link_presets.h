#pragma once
// The three fillings of the link-weight bank lblCollegamento(81..1120): factory
// weights, uniform weights and empty. They write bank captions only: no page
// cell, no enabled flag, no other table.
namespace kelo {

struct frmKeloTrundo15;

// The factory weights: "X" or "1".."16" in every one of the 1040 cells.
void ImpostaCollegamentiDefault(frmKeloTrundo15& f);
// "X" in the structural cells, "1" everywhere else.
void ImpostaCollegamentiUniformi(frmKeloTrundo15& f);
// "X" in the structural cells, "" everywhere else (no composition can use it as is).
void AzzeraCollegamenti(frmKeloTrundo15& f);

// Figure c (1..8) that link case n (1..13) does not have: 6..8 of case 1, 7..8 of case 13.
bool isMissingLinkFigure(int n, int c);
// Case n (1..13), next pivot r (1..10), figure c (1..8):
// true for the 193 cells that are "X" in every filling (a figure the case lacks,
// or a next pivot that may never follow the case).
bool isStructuralLinkCell(int n, int r, int c);
// The factory weight of that cell, 0 where the factory filling holds "X".
int factoryLinkWeight(int n, int r, int c);

}  // namespace kelo
