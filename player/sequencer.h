#pragma once
// Playback of the melody on show: 16 half-bars expanded into 64 steps of an
// eighth, one step per tick of TmrAudio, then three silent ticks and the end of
// the piece, which the repeat mode follows.
#include <string_view>

namespace kelo {

struct frmKeloTrundo15;

// Expands the melody into lblStep(1..64), shows "O" on the play label and starts
// the clock. A fresh piece: a pending replay is cancelled and "Bis" counts its
// passes anew.
void AvviaEsecuzione(frmKeloTrundo15& f);
// One step per tick: light, chord slot, note, step counter.
void TmrAudio_Timer(frmKeloTrundo15& f);
// The chord of the half-bar whose chord slot is due.
void SuonaAccordo(frmKeloTrundo15& f);
// The end of the pause before a replay: the same steps again from step 1.
void TmrReplay_Timer(frmKeloTrundo15& f);
// "Audio" on the engine panel: the clock runs on from where it stands.
void cmdAudio_Click(frmKeloTrundo15& f);

// The repeat mode that follows `mode` on the repeat label: "Bis", "Ripeti",
// "Singolo e >", "Bis e >", "Singolo" and round again; "" for a caption outside them.
std::string_view ModoDopo(std::string_view mode);

// What every stop of playback does: no further tick or replay, and the note and
// chord players closed from element `first` on (element 0 has no file).
void SilenziaEsecuzione(frmKeloTrundo15& f, int first);
// Stops a running piece at once: silenced, counters back to zero, the play label
// back to ">", every light off. The persona's players are left alone, so a
// comment being spoken goes on.
void FermaEsecuzione(frmKeloTrundo15& f, int first);

// The play label: "O" on while a piece plays, ">" off at rest.
void MostraInEsecuzione(frmKeloTrundo15& f, bool playing);
// The save and load label-buttons of melodies and profiles, kept off while a piece plays.
void AbilitaFile(frmKeloTrundo15& f, bool enabled);

}  // namespace kelo
