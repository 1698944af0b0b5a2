#include "player/melody_record.h"

#include <string>

#include "engine/pitch_names.h"
#include "model/cell_roles.h"
#include "model/colours.h"
#include "model/main_window.h"
#include "platform/cell_number.h"
#include "player/score_display.h"

namespace kelo {

namespace {

// Where a field lives: a label's caption, colour or Visible flag, the text of the
// title or composer box, or the interval of the playback clock.
enum class Prop : uint8_t { Caption, BackColor, Visible, Title, Composer, Interval };

// What a field may hold.
enum class Rule : uint8_t { Shown, Present, TempoLevel, Milliseconds, Switch, Accompaniment, Rhythm, Note, Step, Flag };

using LabelAt = Label& (*)(frmKeloTrundo15& f, int k);  // k = 1..count

struct Group {
    int count;
    Prop prop;
    Rule rule;
    const char* what;  // the field as a message names it
    LabelAt label;
};

constexpr Group kGroups[] = {
    {1, Prop::Title, Rule::Shown, "titolo", nullptr},
    {1, Prop::Composer, Rule::Shown, "compositore", nullptr},
    {1, Prop::Caption, Rule::TempoLevel, "livello di velocità",
     [](frmKeloTrundo15& f, int) -> Label& { return f.lblVeloc[Veloc::Livello]; }},
    {1, Prop::Caption, Rule::Milliseconds, "intervallo scelto",
     [](frmKeloTrundo15& f, int) -> Label& { return f.lblVeloc[Veloc::Intervallo]; }},
    {1, Prop::Interval, Rule::Milliseconds, "intervallo di esecuzione", nullptr},
    {1, Prop::BackColor, Rule::Switch, "colore di \"Random\"",
     [](frmKeloTrundo15& f, int) -> Label& { return f.lblPulsante[Pulsante::Random]; }},
    {1, Prop::Caption, Rule::Shown, "cadenza",
     [](frmKeloTrundo15& f, int) -> Label& { return f.lblCadenza[Cadenza::Estratta]; }},
    {4, Prop::Caption, Rule::Shown, "forma",
     [](frmKeloTrundo15& f, int k) -> Label& { return f.lblInciso[Inciso::Forma - 1 + k]; }},
    // The fourth letter of the form says that a melody is on show.
    {1, Prop::Caption, Rule::Present, "quarta lettera della forma",
     [](frmKeloTrundo15& f, int) -> Label& { return f.lblInciso[Inciso::Lettera4]; }},
    {16, Prop::Caption, Rule::Accompaniment, "codice di accompagnamento",
     [](frmKeloTrundo15& f, int k) -> Label& { return f.lblAccomp[k]; }},
    {8, Prop::Caption, Rule::Shown, "modulo", [](frmKeloTrundo15& f, int k) -> Label& { return f.lblMod[k]; }},
    {16, Prop::Caption, Rule::Rhythm, "codice ritmico",
     [](frmKeloTrundo15& f, int k) -> Label& { return f.lblDueQuarti[k]; }},
    {16, Prop::Caption, Rule::Note, "nota perno", [](frmKeloTrundo15& f, int k) -> Label& { return f.lblPerno[k]; }},
    {32, Prop::Caption, Rule::Note, "nota", [](frmKeloTrundo15& f, int k) -> Label& { return f.lblMelos[k]; }},
    {64, Prop::Caption, Rule::Step, "passo", [](frmKeloTrundo15& f, int k) -> Label& { return f.lblStep[k]; }},
    {16, Prop::Caption, Rule::Shown, "accordo", [](frmKeloTrundo15& f, int k) -> Label& { return f.lblArmonie[k]; }},
    {16, Prop::Visible, Rule::Flag, "nome di accordo mostrato",
     [](frmKeloTrundo15& f, int k) -> Label& { return f.lblArmonie[k]; }},
    {1, Prop::Caption, Rule::Shown, "modo", [](frmKeloTrundo15& f, int) -> Label& { return f.lblModo; }},
};

constexpr int totalLines() {
    int n = 0;
    for (const Group& g : kGroups) n += g.count;
    return n;
}
static_assert(totalLines() == kMelodyRecordLines);

RecordValue::Kind kindOf(Prop prop) {
    switch (prop) {
    case Prop::BackColor:
    case Prop::Interval: return RecordValue::Kind::Number;
    case Prop::Visible: return RecordValue::Kind::Boolean;
    default: return RecordValue::Kind::Text;
    }
}

const char* expected(RecordValue::Kind kind) {
    switch (kind) {
    case RecordValue::Kind::Text: return "atteso un testo tra virgolette";
    case RecordValue::Kind::Number: return "atteso un numero senza virgolette";
    case RecordValue::Kind::Boolean: return "atteso #TRUE# o #FALSE#";
    }
    return "";
}

// Why a value cannot stand in its field; "" when it can.
std::string problem(const Group& g, RecordValue& v) {
    const RecordValue::Kind kind = kindOf(g.prop);
    if (kind == RecordValue::Kind::Text && v.kind == RecordValue::Kind::Number)
        v = RecordValue::Text(std::to_string(v.number));
    if (v.kind != kind) return std::string(expected(kind)) + " (" + g.what + ")";

    const std::string& t = v.text;
    const bool bare = kind == RecordValue::Kind::Number;
    const int64_t n = bare ? v.number : plainNumber(t).value_or(-1);  // -1: no number
    auto within = [n](int lo, int hi) { return n >= lo && n <= hi; };
    const std::string bad = std::string(g.what) + " " + (bare ? std::to_string(v.number) : shownValue(t));
    switch (g.rule) {
    case Rule::Shown:
    case Rule::Flag: return {};
    case Rule::Present: return t.empty() ? std::string(g.what) + " vuota" : std::string();
    case Rule::TempoLevel: return within(1, 16) ? std::string() : bad + " fuori da 1..16";
    case Rule::Milliseconds: return within(1, 32767) ? std::string() : bad + " fuori da 1..32767";
    case Rule::Switch:
        return v.number == ColoreAcceso || v.number == ColoreSpento
                   ? std::string()
                   : bad + " diverso da " + std::to_string(ColoreAcceso) + " (acceso) e " +
                         std::to_string(ColoreSpento) + " (spento)";
    case Rule::Accompaniment: return t.empty() || within(1, 19) ? std::string() : bad + " diverso da \"\" e da 1..19";
    case Rule::Rhythm: return isRhythmCode(t) ? std::string() : bad + " sconosciuto";
    case Rule::Note: return t.empty() || pitchNumber(t) ? std::string() : bad + " sconosciuta";
    case Rule::Step: return t.empty() || t == "-" || pitchNumber(t) ? std::string() : bad + " sconosciuto";
    }
    return {};
}

}  // namespace

std::vector<RecordValue> collectMelodyRecord(frmKeloTrundo15& f) {
    std::vector<RecordValue> values;
    values.reserve(kMelodyRecordLines);
    for (const Group& g : kGroups)
        for (int k = 1; k <= g.count; ++k) {
            switch (g.prop) {
            case Prop::Title: values.push_back(RecordValue::Text(f.TxtTitolo.Text)); break;
            case Prop::Composer: values.push_back(RecordValue::Text(f.TxtCompositore.Text)); break;
            case Prop::Interval: values.push_back(RecordValue::Number(f.TmrAudio.Interval())); break;
            case Prop::Caption: values.push_back(RecordValue::Text(g.label(f, k).Caption)); break;
            case Prop::BackColor: values.push_back(RecordValue::Number(g.label(f, k).BackColor)); break;
            case Prop::Visible: values.push_back(RecordValue::Boolean(g.label(f, k).Visible)); break;
            }
        }
    return values;
}

RecordCheck readMelodyRecord(std::string_view content) {
    RecordCheck r = readRecordValues(content, kMelodyRecordLines);
    if (!r.ok()) return r;
    size_t i = 0;
    for (const Group& g : kGroups)
        for (int k = 1; k <= g.count; ++k, ++i) {
            std::string why = problem(g, r.values[i]);
            if (why.empty()) continue;
            RecordCheck bad;
            bad.badLine = static_cast<int>(i) + 1;
            bad.reason = std::move(why);
            return bad;
        }
    return r;
}

void applyMelodyRecord(frmKeloTrundo15& f, const std::vector<RecordValue>& values) {
    size_t i = 0;
    for (const Group& g : kGroups)
        for (int k = 1; k <= g.count && i < values.size(); ++k, ++i) {
            const RecordValue& v = values[i];
            switch (g.prop) {
            case Prop::Title: f.TxtTitolo.Text = v.text; break;
            case Prop::Composer: f.TxtCompositore.Text = v.text; break;
            case Prop::Interval: f.TmrAudio.SetInterval(static_cast<int>(v.number)); break;
            case Prop::Caption: g.label(f, k).Caption = v.text; break;
            case Prop::BackColor: g.label(f, k).BackColor = static_cast<Colour>(v.number); break;
            case Prop::Visible: g.label(f, k).Visible = v.flag; break;
            }
        }
}

}  // namespace kelo
