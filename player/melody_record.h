#pragma once
// RecordMelodia: the melody on show as 197 values, one per line: title, composer,
// tempo, form, accompaniment, modules, rhythm, pivots, notes, steps, chords, the
// chord names shown, and the major/minor mark.
#include <string_view>
#include <vector>

#include "platform/record_format.h"

namespace kelo {

struct frmKeloTrundo15;

inline constexpr int kMelodyRecordLines = 197;

// The window's melody, texts as texts, the interval and the "Random" colour as
// numbers, the chord names shown as booleans.
std::vector<RecordValue> collectMelodyRecord(frmKeloTrundo15& f);

// Parses a whole file content and checks every value the reveal, the sequencer
// and a variant use (texts that are only shown pass as they are); lines after the
// 197th are not read. A bare number on a text line counts as its digits.
RecordCheck readMelodyRecord(std::string_view content);

// Writes a checked record into its cells in file order: the chord captions first,
// then whether each is shown.
void applyMelodyRecord(frmKeloTrundo15& f, const std::vector<RecordValue>& values);

}  // namespace kelo
