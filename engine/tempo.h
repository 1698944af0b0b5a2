#pragma once
// The tempo table (level 1..16 to the interval of the playback clock) and the
// random tempo of the "Random" option.
#include <string_view>

namespace kelo {

struct frmKeloTrundo15;

// 600 x 2^(-(level - 1) / 5) ms rounded: 600 at level 1 down to 75 at level 16.
// Levels outside 1..16 are clamped to it.
int tempoInterval(int level);
// The level whose interval reads exactly as `text` ("114" is 13); 0 when none does.
int tempoLevelOf(std::string_view text);

// Draws a tempo level 2..15 with triangular odds (8 and 9 the likeliest) into
// lblVeloc(0) and its interval into TmrAudio.
void ScegliVelocita(frmKeloTrundo15& f);

}  // namespace kelo
