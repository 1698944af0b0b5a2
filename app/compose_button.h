#pragma once
// The compose button: stops what plays, composes a new melody, starts its reveal
// and leaves the window in its composing state.
namespace kelo {

struct frmKeloTrundo15;

// Also raised from inside itself: when the module-pair draw finds two equal
// pairs the whole composition restarts nested in the running one.
void cmdIncisi_Click(frmKeloTrundo15& f);

// At most this many nested restarts within one press; one more is an error.
inline constexpr int kMaxRestarts = 1000;

}  // namespace kelo
