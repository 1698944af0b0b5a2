#pragma once
// The signs of the score that are not notes: rest, clef and time signature.
#include <QImage>

#include "music_symbols.h"
#include "outline_font.h"

namespace kelo::datatree {

void engraveQuarterRest(QImage& picture, const MusicSymbols& symbols);
void engraveTrebleClef(QImage& picture, const MusicSymbols& symbols);
// Two figures stacked, each filling two spaces: the upper from the top line to the
// middle line, the lower from the middle line to the bottom line.
void engraveTimeSignature(QImage& picture, const OutlineFont& figures, char upper, char lower);

}  // namespace kelo::datatree
