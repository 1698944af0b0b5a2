#pragma once
// One melody from the settings tables: the stages in their fixed order, then
// the section copy, the random tempo and the cadence's accompaniment.
namespace kelo {

struct frmKeloTrundo15;

// Clears the harmony and accompaniment and fills every melody table anew.
void ComponiMelodia(frmKeloTrundo15& f);

// The last touches of a composition and of a variant, in this order: the section
// copy when "Copy" is on and its draw passes, a random tempo when "Random" is on,
// the accompaniment of the cadence.
void RifinisciMelodia(frmKeloTrundo15& f);

// The melody is ready: its reveal starts, the link page the user was viewing
// comes back and the banner says the program is composing.
void AvviaRivelazione(frmKeloTrundo15& f);

}  // namespace kelo
