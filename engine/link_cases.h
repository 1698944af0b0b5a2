#pragma once
// The 13 link cases (a chord and a pivot note, with up to eight two-note figures)
// and the two loaders that put one case and its bank page on show.
#include <array>

namespace kelo {

struct frmKeloTrundo15;

struct LinkCase {
    const char* chord;
    const char* pivot;
    std::array<const char*, 8> first;
    std::array<const char*, 8> second;
};

// Case N at index N - 1.
extern const std::array<LinkCase, 13> kLinkCases;

// Loads the case whose number is the exact text of lblCercaNota(0) ("1".."13")
// into the case cells and figure rows; any other text changes nothing.
void CaricaCasoCollegamento(frmKeloTrundo15& f);
// Copies the 80 bank cells from the base in lblCercaNota(5) onto the page;
// a cell is enabled exactly when it is not "X".
void CaricaPaginaCollegamento(frmKeloTrundo15& f);

// The link page the user is viewing (case, bank base, held index), kept in
// lblCopyCollegamento while a composition moves the case on show, and put back.
void SalvaPaginaVista(frmKeloTrundo15& f);
void RipristinaPaginaVista(frmKeloTrundo15& f);

}  // namespace kelo
