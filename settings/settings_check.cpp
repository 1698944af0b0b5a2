#include "settings/settings_check.h"

#include <array>
#include <optional>

#include "model/cell_roles.h"
#include "model/colours.h"
#include "model/pivot_grid.h"
#include "platform/cell_number.h"
#include "presets/link_presets.h"
#include "settings/reachable_links.h"
#include "settings/settings_record.h"

namespace kelo {

namespace {

using T = SettingsTable;

// A bank cell (bankCell read backwards) of a figure that its link case does not have.
bool lacksFigure(int cell) { return isMissingLinkFigure((cell - 1) / bankBase(1), (cell - 1) % 8 + 1); }

std::string outOfRange(const std::string& t, int lo, int hi, const char* what) {
    auto n = plainNumber(t);
    if (n && *n >= lo && *n <= hi) return {};
    return std::string(what) + " " + shownValue(t) + " fuori da " + std::to_string(lo) + ".." + std::to_string(hi);
}

std::string switchProblem(const RecordValue& v) {
    if (v.kind != RecordValue::Kind::Number) return "atteso un colore (numero senza virgolette)";
    if (v.number == ColoreAcceso || v.number == ColoreSpento) return {};
    return "colore " + std::to_string(v.number) + " diverso da " + std::to_string(ColoreAcceso) + " (acceso) e " +
           std::to_string(ColoreSpento) + " (spento)";
}

// Why caption t cannot stand in item k of its row; "" when it can.
std::string captionProblem(const SettingsRow& row, int k, const std::string& t) {
    switch (row.rule) {
    case SettingsRule::Name:
        return t.find('"') == std::string::npos ? std::string() : std::string(row.what) + " contiene virgolette";
    case SettingsRule::Range: break;
    case SettingsRule::LinkWeight:
        if (t == "X") return {};
        if (lacksFigure(k)) return "qui i collegamenti hanno sempre \"X\": il caso non ha questa figura";
        break;
    case SettingsRule::PivotWeight:
        if (isForbiddenPivotCell(k)) return t == "X" ? std::string() : "qui i pesi delle note perno hanno sempre \"X\"";
        if (t == "X") return "\"X\" fuori posto nei pesi delle note perno";
        break;
    }
    return outOfRange(t, row.lo, row.hi, row.what);
}

class Checker {
public:
    explicit Checker(std::vector<RecordValue>& values) : values_(values) {}

    SettingsRecordCheck run() {
        const auto& fields = settingsRecordFields();
        for (size_t i = 0; i < fields.size(); ++i) lineOk_[i + 1] = checkLine(static_cast<int>(i + 1), fields[i]);
        checkModuleList(T::Modulo, T::FreqInc, "primo");
        checkModuleList(T::ModuloB, T::FreIncB, "secondo");
        checkSwitchCount(T::Inciso, 1, 15, line(T::Inciso, 16), "forma (inciso)", "forme (incisi)");
        checkSwitchCount(T::Cadenza, 1, 13, line(T::Cadenza, 0), "cadenza", "cadenze");
        checkLinkRows();

        SettingsRecordCheck result;
        result.badLine = badLine_;
        result.reason = reason_;
        if (badLine_ == 0) result.values = std::move(values_);
        return result;
    }

private:
    static int line(T t, int k, bool colour = false) { return settingsFieldLine({t, static_cast<int16_t>(k), colour}); }
    const std::string& text(int ln) const { return values_[static_cast<size_t>(ln - 1)].text; }
    bool isOn(int ln) const { return values_[static_cast<size_t>(ln - 1)].number == ColoreAcceso; }
    int number(int ln) const { return *plainNumber(text(ln)); }

    // Keeps the earliest line that fails.
    void fail(int ln, std::string why) {
        if (badLine_ == 0 || ln < badLine_) {
            badLine_ = ln;
            reason_ = std::move(why);
        }
    }

    // True when there is no `why`; else fails the line.
    bool pass(int ln, std::string why) {
        if (why.empty()) return true;
        fail(ln, std::move(why));
        return false;
    }

    bool checkLine(int ln, const SettingsField& field) {
        RecordValue& v = values_[static_cast<size_t>(ln - 1)];
        if (field.colour) return pass(ln, switchProblem(v));
        if (v.kind == RecordValue::Kind::Number) v = RecordValue::Text(std::to_string(v.number));
        if (v.kind != RecordValue::Kind::Text) return pass(ln, "atteso un testo tra virgolette");
        return pass(ln, captionProblem(*field.row, field.index, v.text));
    }

    // Counts the switches of items lo..hi that are on; -1 when one of them is unreadable.
    int countOn(T switches, int lo, int hi) const {
        int on = 0;
        for (int k = lo; k <= hi; ++k) {
            int ln = line(switches, k, true);
            if (!lineOk_[ln]) return -1;
            on += isOn(ln) ? 1 : 0;
        }
        return on;
    }

    void checkModuleList(T switches, T weights, const char* which) {
        int countLine = line(weights, 25), poolLine = line(weights, 26);
        int on = countOn(switches, 1, 13);
        if (on < 0) return;
        if (on < 4) {
            fail(countLine, "solo " + counted(on, "modulo acceso", "moduli accesi") + " nel " + which +
                                " elenco: ne servono almeno 4");
            return;
        }
        if (!lineOk_[countLine]) return;
        if (number(countLine) != on) {
            fail(countLine, "dice " + shownValue(text(countLine)) +
                                (number(countLine) == 1 ? " modulo acceso" : " moduli accesi") + " nel " + which +
                                " elenco, ma ne sono accesi " + std::to_string(on));
            return;
        }
        const SettingsRow& pool = *settingsRecordFields()[static_cast<size_t>(poolLine - 1)].row;
        if (lineOk_[poolLine]) pass(poolLine, outOfRange(text(poolLine), pool.lo, on, pool.what));
    }

    // `one` and `many` name one switched item and several, all of them feminine.
    void checkSwitchCount(T switches, int lo, int hi, int countLine, const char* one, const char* many) {
        int on = countOn(switches, lo, hi);
        if (on < 0) return;
        if (on == 0) {
            fail(countLine, std::string("nessuna delle ") + many + " è accesa");
            return;
        }
        if (!lineOk_[countLine] || number(countLine) == on) return;
        const bool saysOne = number(countLine) == 1;
        fail(countLine, "dice " + shownValue(text(countLine)) + " " + (saysOne ? one : many) +
                            (saysOne ? " accesa" : " accese") +
                            (on == 1 ? ", ma ne è accesa 1" : ", ma ne sono accese " + std::to_string(on)));
    }

    // Every link row the composer can reach needs at least one weight.
    void checkLinkRows() {
        std::array<bool, 131> forbidden{};
        for (int j = 1; j <= 130; ++j) {
            int ln = line(T::Nota, j);
            if (!lineOk_[ln]) return;
            forbidden[static_cast<size_t>(j)] = text(ln) == "X";
        }
        std::array<bool, 5> drawable{};
        for (int i = 1; i <= 4; ++i) {
            int ln = line(T::Notafinale, i);
            if (!lineOk_[ln]) return;
            drawable[static_cast<size_t>(i)] = number(ln) > 0;
        }
        LinkRows reach = reachableLinkRows(forbidden, drawable);
        for (int n = 1; n <= 13; ++n)
            for (int r = 1; r <= 10; ++r) {
                if (!reach[static_cast<size_t>(n)][static_cast<size_t>(r)]) continue;
                const int first = line(T::Collegamento, bankCell(n, r, 1));
                bool readable = true, weighted = false;
                for (int c = 1; c <= 8; ++c) {
                    const int ln = line(T::Collegamento, bankCell(n, r, c));
                    readable = readable && lineOk_[ln];
                    weighted = weighted || text(ln) != "X";
                }
                if (readable && !weighted)
                    fail(first, "nessun peso per il collegamento del caso " + std::to_string(n) + " verso " +
                                    linkRowPitchName(r) + ", che le note perno permettono");
            }
    }

    std::vector<RecordValue>& values_;
    std::array<bool, kSettingsRecordLines + 1> lineOk_{};
    int badLine_ = 0;
    std::string reason_;
};

}  // namespace

SettingsRecordCheck checkSettingsValues(std::vector<RecordValue> values) {
    if (values.size() < static_cast<size_t>(kSettingsRecordLines))
        return shortRecord(values.size(), kSettingsRecordLines);
    values.resize(kSettingsRecordLines);
    return Checker(values).run();
}

SettingsRecordCheck readSettingsRecord(std::string_view content) {
    RecordCheck read = readRecordValues(content, kSettingsRecordLines);
    if (!read.ok()) return read;
    return checkSettingsValues(std::move(read.values));
}

}  // namespace kelo
