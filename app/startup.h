#pragma once
// The start-up road: splash with its start sound, the slightly random delay,
// the main window's load, then the greeting and the unlocking of the controls.
namespace kelo {

struct frmKeloTrundo15;
struct frmSplashKelo2020;

void Form_Load(frmSplashKelo2020& s);
void TmrVia_Timer(frmSplashKelo2020& s);
void ApriProgramma(frmSplashKelo2020& s);
void Form_Load(frmKeloTrundo15& f);
// Points the note, chord and persona players at their samples in the data tree.
void BindSounds(frmKeloTrundo15& f);
void TmrScaricaSplash_Timer(frmKeloTrundo15& f);
void TmrSignori_Timer(frmKeloTrundo15& f);

// The splash delay for a draw d of 1..10; any other d gives 2100 ms.
int RitardoSplash(int d);

}  // namespace kelo
