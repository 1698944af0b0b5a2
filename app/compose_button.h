#pragma once
// The compose button: stops what plays, composes a new melody, starts its reveal
// and leaves the window in its composing state.
namespace kelo {

struct frmKeloTrundo15;

// Also raised from inside itself: when the module-pair draw finds two equal
// pairs the whole composition restarts nested in the running one.
void cmdIncisi_Click(frmKeloTrundo15& f);

// What a composition and a variant do first: no replay waits, the compose button,
// the play label and the file label-buttons are off, a held link cell is written
// into the bank and the page on show is kept, a piece that plays stops, and the
// reveal will start from half-bar 1 with the composer box hidden.
void PreparaComposizione(frmKeloTrundo15& f);

// At most this many nested restarts within one press; one more is an error.
inline constexpr int kMaxRestarts = 1000;

}  // namespace kelo
