#pragma once
// RecordImpostazioni: the 1300 values of the settings tables, one per line, in a
// fixed order. The user's settings file and the named profiles share it.
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/record_format.h"

namespace kelo {

struct frmKeloTrundo15;
struct Label;

inline constexpr int kSettingsRecordLines = 1300;

// The tables the record holds (lblScritteVarie only through item 75, the profile name).
enum class SettingsTable : uint8_t {
    ScritteVarie,
    FreqInc,
    Modulo,
    FreIncB,
    ModuloB,
    Inciso,
    FreqIncisi,
    Rip,
    Accordi,
    Notafinale,
    Collegamento,
    Nota,
    Cadenza,
    FreCad,
};

// What a caption may hold; a colour line always holds a switch, on or off.
enum class SettingsRule : uint8_t {
    Name,         // any text without a double quote
    Range,        // a whole number lo..hi
    LinkWeight,   // "X", or lo..hi where the link case has the figure
    PivotWeight,  // "X" exactly on the pivot grid's forbidden cells, else lo..hi
};

// A run of the record: items first..last, each as the colour of `colour`, then
// the caption of `caption`, where the row has them.
struct SettingsRow {
    std::optional<SettingsTable> colour, caption;
    int16_t first, last;
    SettingsRule rule = SettingsRule::Range;  // the caption's, as lo, hi and what
    int lo = 0, hi = 0;
    const char* what = "";  // the caption as a message names it
};

// One line of the record: a caption, or (colour = true) a background colour.
struct SettingsField {
    SettingsTable table;
    int16_t index;  // -1 for the single label lblRip
    bool colour;
    const SettingsRow* row = nullptr;
};

// The 1300 fields in file order: field i is line i + 1.
const std::vector<SettingsField>& settingsRecordFields();
// The 1-based line that holds a field, 0 when the record does not hold it.
int settingsFieldLine(const SettingsField& field);

Label& settingsFieldLabel(frmKeloTrundo15& f, const SettingsField& field);

// The window's current values, captions as texts and switch states as colour numbers.
std::vector<RecordValue> collectSettingsRecord(frmKeloTrundo15& f);
// Writes a checked record (readSettingsRecord) into the window: captions and
// background colours only, no enabled flag, no page refresh.
void applySettingsRecord(frmKeloTrundo15& f, const std::vector<RecordValue>& values);

}  // namespace kelo
