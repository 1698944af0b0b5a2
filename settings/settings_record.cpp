#include "settings/settings_record.h"

#include <algorithm>
#include <array>

#include "model/main_window.h"

namespace kelo {

namespace {

using T = SettingsTable;
using R = SettingsRule;

// The record in file order. The counts must also agree with their switches,
// which the check sees only once every line is read.
// clang-format off
constexpr SettingsRow kRows[] = {
    // colour    caption          items      rule            range   what
    {{},         T::ScritteVarie, 75, 75,    R::Name,        0, 0,   "il nome del profilo"},
    {{},         T::FreqInc,      25, 25,    R::Range,       0, 13,  "numero di moduli accesi"},
    {{},         T::FreqInc,      26, 26,    R::Range,       4, 13,  "numero di moduli da estrarre"},
    {T::Modulo,  T::FreqInc,      1, 13,     R::Range,       1, 16,  "peso"},
    {{},         T::FreIncB,      25, 25,    R::Range,       0, 13,  "numero di moduli accesi"},
    {{},         T::FreIncB,      26, 26,    R::Range,       4, 13,  "numero di moduli da estrarre"},
    {T::ModuloB, T::FreIncB,      1, 13,     R::Range,       1, 16,  "peso"},
    {T::Inciso,  T::FreqIncisi,   1, 15,     R::Range,       1, 16,  "peso"},
    {T::FreqIncisi, {},           0, 0},  // "Copy"
    {{},         T::Rip,          -1, -1,    R::Range,       1, 16,  "peso"},
    {{},         T::Inciso,       16, 16,    R::Range,       0, 15,  "numero di forme accese"},
    {{},         T::Accordi,      1, 9,      R::Range,       1, 16,  "peso"},
    {{},         T::Notafinale,   1, 3,      R::Range,       0, 16,  "peso della nota finale"},
    {{},         T::Notafinale,   4, 4,      R::Range,       1, 16,  "peso della nota finale"},  // DO stays drawable
    {{},         T::Collegamento, 81, 1120,  R::LinkWeight,  1, 16,  "peso di collegamento"},
    {{},         T::Nota,         1, 130,    R::PivotWeight, 1, 16,  "peso della nota perno"},
    {{},         T::Cadenza,      0, 0,      R::Range,       0, 13,  "numero di cadenze accese"},
    {T::Cadenza, T::FreCad,       1, 13,     R::Range,       1, 16,  "peso"},
};
// clang-format on

constexpr int totalLines() {
    int n = 0;
    for (const SettingsRow& row : kRows)
        n += (row.last - row.first + 1) * (row.colour.has_value() + row.caption.has_value());
    return n;
}
static_assert(totalLines() == kSettingsRecordLines);

}  // namespace

const std::vector<SettingsField>& settingsRecordFields() {
    static const std::vector<SettingsField> fields = [] {
        std::vector<SettingsField> v;
        v.reserve(kSettingsRecordLines);
        for (const SettingsRow& row : kRows)
            for (int16_t k = row.first; k <= row.last; ++k) {
                if (row.colour) v.push_back({*row.colour, k, true, &row});
                if (row.caption) v.push_back({*row.caption, k, false, &row});
            }
        return v;
    }();
    return fields;
}

int settingsFieldLine(const SettingsField& field) {
    // By table, colour and item + 1 (lblRip is item -1): a check looks up over a thousand lines.
    static const auto lines = [] {
        std::array<std::array<std::vector<int16_t>, 2>, static_cast<size_t>(T::FreCad) + 1> at{};
        int16_t line = 0;
        for (const SettingsField& f : settingsRecordFields()) {
            auto& items = at[static_cast<size_t>(f.table)][f.colour];
            items.resize(std::max(items.size(), static_cast<size_t>(f.index + 2)));
            items[static_cast<size_t>(f.index + 1)] = ++line;
        }
        return at;
    }();
    const auto& items = lines[static_cast<size_t>(field.table)][field.colour];
    const auto at = static_cast<size_t>(field.index + 1);
    return at < items.size() ? items[at] : 0;
}

Label& settingsFieldLabel(frmKeloTrundo15& f, const SettingsField& field) {
    switch (field.table) {
    case T::ScritteVarie: return f.lblScritteVarie[field.index];
    case T::FreqInc: return f.lblFreqInc[field.index];
    case T::Modulo: return f.lblModulo[field.index];
    case T::FreIncB: return f.lblFreIncB[field.index];
    case T::ModuloB: return f.lblModuloB[field.index];
    case T::Inciso: return f.lblInciso[field.index];
    case T::FreqIncisi: return f.lblFreqIncisi[field.index];
    case T::Rip: return f.lblRip;
    case T::Accordi: return f.lblAccordi[field.index];
    case T::Notafinale: return f.lblNotafinale[field.index];
    case T::Collegamento: return f.lblCollegamento[field.index];
    case T::Nota: return f.lblNota[field.index];
    case T::Cadenza: return f.lblCadenza[field.index];
    case T::FreCad: return f.lblFreCad[field.index];
    }
    return f.lblRip;  // not reached: every table is listed above
}

std::vector<RecordValue> collectSettingsRecord(frmKeloTrundo15& f) {
    std::vector<RecordValue> values;
    values.reserve(kSettingsRecordLines);
    for (const SettingsField& field : settingsRecordFields()) {
        const Label& l = settingsFieldLabel(f, field);
        values.push_back(field.colour ? RecordValue::Number(l.BackColor) : RecordValue::Text(l.Caption));
    }
    return values;
}

void applySettingsRecord(frmKeloTrundo15& f, const std::vector<RecordValue>& values) {
    const auto& fields = settingsRecordFields();
    for (size_t i = 0; i < fields.size() && i < values.size(); ++i) {
        Label& l = settingsFieldLabel(f, fields[i]);
        if (fields[i].colour)
            l.BackColor = static_cast<Colour>(values[i].number);
        else
            l.Caption = values[i].text;
    }
}

}  // namespace kelo
