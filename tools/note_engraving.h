#pragma once
// One note engraved on a blank staff: head, ledger lines, stem, flag and dot.
#include <QImage>

#include "music_symbols.h"

namespace kelo::datatree {

enum class NoteHead { Black, Void, Whole };

// A note shape as the score names it ("1", "2", "3", "4", "1p", "c") and how it is drawn.
struct NoteShape {
    const char* name;
    NoteHead head;
    bool stem;
    bool dot;
    bool flag;
};

inline constexpr NoteShape kNoteShapes[] = {
    {"1", NoteHead::Black, true, false, false},   // quarter
    {"2", NoteHead::Void, true, false, false},    // half
    {"3", NoteHead::Void, true, true, false},     // dotted half
    {"4", NoteHead::Whole, false, false, false},  // whole
    {"1p", NoteHead::Black, true, true, false},   // dotted quarter
    {"c", NoteHead::Black, true, false, true},    // eighth
};

// `step` counts diatonic steps up from the bottom line (E4 = 0, B3 = -3, D5 = 6).
void engraveNote(QImage& picture, const MusicSymbols& symbols, int step, const NoteShape& shape);

}  // namespace kelo::datatree
