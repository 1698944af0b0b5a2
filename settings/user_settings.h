#pragma once
// (temporary on this branch: replaced by the settings branch's version)
namespace kelo {
struct frmKeloTrundo15;
void CaricaImpostazioniUtente(frmKeloTrundo15& f);
bool SalvaImpostazioniUtente(frmKeloTrundo15& f);
}
