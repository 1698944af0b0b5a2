#include "settings/settings_record.h"

#include "model/main_window.h"

namespace kelo {

namespace {

std::vector<SettingsField> buildFields() {
    using T = SettingsTable;
    std::vector<SettingsField> v;
    v.reserve(kSettingsRecordLines);
    auto caption = [&](T t, int i) { v.push_back({t, static_cast<int16_t>(i), false}); };
    auto colour = [&](T t, int i) { v.push_back({t, static_cast<int16_t>(i), true}); };

    caption(T::ScritteVarie, 75);
    for (auto [switches, weights] : {std::pair{T::Modulo, T::FreqInc}, std::pair{T::ModuloB, T::FreIncB}}) {
        caption(weights, 25);
        caption(weights, 26);
        for (int k = 1; k <= 13; ++k) {
            colour(switches, k);
            caption(weights, k);
        }
    }
    for (int k = 1; k <= 15; ++k) {
        colour(T::Inciso, k);
        caption(T::FreqIncisi, k);
    }
    colour(T::FreqIncisi, 0);
    caption(T::Rip, -1);
    caption(T::Inciso, 16);
    for (int k = 1; k <= 9; ++k) caption(T::Accordi, k);
    for (int k = 1; k <= 4; ++k) caption(T::Notafinale, k);
    for (int c = 81; c <= 1120; ++c) caption(T::Collegamento, c);
    for (int j = 1; j <= 130; ++j) caption(T::Nota, j);
    caption(T::Cadenza, 0);
    for (int k = 1; k <= 13; ++k) {
        colour(T::Cadenza, k);
        caption(T::FreCad, k);
    }
    return v;
}

}  // namespace

const std::vector<SettingsField>& settingsRecordFields() {
    static const std::vector<SettingsField> fields = buildFields();
    return fields;
}

int settingsRecordLine(SettingsTable table, int k, bool colour) {
    using T = SettingsTable;
    auto in = [k](int lo, int hi) { return k >= lo && k <= hi; };
    switch (table) {
    case T::ScritteVarie: return !colour && k == 75 ? 1 : 0;
    case T::FreqInc:
    case T::FreIncB: {
        int shift = table == T::FreqInc ? 0 : 28;
        if (colour) return 0;
        if (k == 25 || k == 26) return k - 23 + shift;
        return in(1, 13) ? 2 * k + 3 + shift : 0;
    }
    case T::Modulo: return colour && in(1, 13) ? 2 * k + 2 : 0;
    case T::ModuloB: return colour && in(1, 13) ? 2 * k + 30 : 0;
    case T::Inciso:
        if (colour) return in(1, 15) ? 2 * k + 56 : 0;
        return k == 16 ? 90 : 0;
    case T::FreqIncisi:
        if (colour) return k == 0 ? 88 : 0;
        return in(1, 15) ? 2 * k + 57 : 0;
    case T::Rip: return colour ? 0 : 89;
    case T::Accordi: return !colour && in(1, 9) ? 90 + k : 0;
    case T::Notafinale: return !colour && in(1, 4) ? 99 + k : 0;
    case T::Collegamento: return !colour && in(81, 1120) ? k + 23 : 0;
    case T::Nota: return !colour && in(1, 130) ? 1143 + k : 0;
    case T::Cadenza:
        if (colour) return in(1, 13) ? 2 * k + 1273 : 0;
        return k == 0 ? 1274 : 0;
    case T::FreCad: return !colour && in(1, 13) ? 2 * k + 1274 : 0;
    }
    return 0;
}

Label& settingsFieldLabel(frmKeloTrundo15& f, const SettingsField& field) {
    using T = SettingsTable;
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
