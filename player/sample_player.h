#pragma once
// Sounding one element of a sample-player array: close the element that sounded
// last, then rewind, open and play the new one, and remember it.
#include "platform/controls.h"

namespace kelo {

void SuonaCampione(ControlArray<MediaPlayer>& players, Label& last, int element);
// "Prev", "Open", "Play" without closing anything first.
void AvviaCampione(MediaPlayer& player);

}  // namespace kelo
