#pragma once
// The generators of the 24 title types, in type order: each replaces the whole
// text of TxtTitolo with a new title of its type.
namespace kelo {

struct frmKeloTrundo15;

void GeneraTitoloCitta(frmKeloTrundo15& f);         // 1
void GeneraTitoloDedica(frmKeloTrundo15& f);        // 2
void GeneraTitoloSaluti(frmKeloTrundo15& f);        // 3
void GeneraTitoloGiorno(frmKeloTrundo15& f);        // 4
void GeneraTitoloFiori(frmKeloTrundo15& f);         // 5
void GeneraTitoloFumetti(frmKeloTrundo15& f);       // 6
void GeneraTitoloFiabe(frmKeloTrundo15& f);         // 7
void GeneraTitoloViaggi(frmKeloTrundo15& f);        // 8
void GeneraTitoloProverbi(frmKeloTrundo15& f);      // 9
void GeneraTitoloAstri(frmKeloTrundo15& f);         // 10
void GeneraTitoloLibri(frmKeloTrundo15& f);         // 11
void GeneraTitoloMare(frmKeloTrundo15& f);          // 12
void GeneraTitoloStoria(frmKeloTrundo15& f);        // 13
void GeneraTitoloMiti(frmKeloTrundo15& f);          // 14
void GeneraTitoloNatura(frmKeloTrundo15& f);        // 15
void GeneraTitoloMusica2(frmKeloTrundo15& f);       // 16
void GeneraTitoloMusica1(frmKeloTrundo15& f);       // 17
void GeneraTitoloGemme(frmKeloTrundo15& f);         // 18
void GeneraTitoloCielo(frmKeloTrundo15& f);         // 19
void GeneraTitoloAnimali(frmKeloTrundo15& f);       // 20
void GeneraTitoloEsclamazioni(frmKeloTrundo15& f);  // 21
void GeneraTitoloPersonaggio(frmKeloTrundo15& f);   // 22
void GeneraTitoloBibbia(frmKeloTrundo15& f);        // 23
void GeneraTitoloGiochi(frmKeloTrundo15& f);        // 24

}  // namespace kelo
