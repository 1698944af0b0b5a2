#include "settings/settings_check.h"

#include <array>
#include <optional>

#include "model/colours.h"
#include "model/pivot_grid.h"
#include "platform/cell_number.h"
#include "presets/link_presets.h"
#include "settings/factory_defaults.h"
#include "settings/reachable_links.h"
#include "settings/settings_record.h"

namespace kelo {

namespace {

using T = SettingsTable;

// Bank cell 80 x N + 8 x (r - 1) + c of a figure c that link case N does not have.
bool lacksFigure(int cell) { return isMissingLinkFigure((cell - 1) / 80, (cell - 1) % 8 + 1); }

std::string range(int lo, int hi) { return std::to_string(lo) + ".." + std::to_string(hi); }

class Checker {
public:
    explicit Checker(std::vector<RecordValue>& values) : values_(values) {}

    SettingsRecordCheck run() {
        const auto& fields = settingsRecordFields();
        for (size_t i = 0; i < fields.size(); ++i) lineOk_[i + 1] = checkLine(static_cast<int>(i + 1), fields[i]);
        checkModuleList(T::Modulo, T::FreqInc, "primo");
        checkModuleList(T::ModuloB, T::FreIncB, "secondo");
        checkSwitchCount(T::Inciso, 1, 15, line(T::Inciso, 16), "forme (incisi)");
        checkSwitchCount(T::Cadenza, 1, 13, line(T::Cadenza, 0), "cadenze");
        checkLinkRows();

        SettingsRecordCheck result;
        result.badLine = badLine_;
        result.reason = reason_;
        if (badLine_ == 0) result.values = std::move(values_);
        return result;
    }

private:
    static int line(T t, int index, bool colour = false) { return settingsRecordLine(t, index, colour); }
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

    bool inRange(int ln, int lo, int hi, const char* what) {
        auto n = plainNumber(text(ln));
        if (n && *n >= lo && *n <= hi) return true;
        fail(ln, std::string(what) + " " + shownValue(text(ln)) + " fuori da " + range(lo, hi));
        return false;
    }

    bool checkLine(int ln, const SettingsField& field) {
        RecordValue& v = values_[static_cast<size_t>(ln - 1)];
        if (field.colour) {
            if (v.kind != RecordValue::Kind::Number) {
                fail(ln, "atteso un colore (numero senza virgolette)");
                return false;
            }
            if (v.number != ColoreAcceso && v.number != ColoreSpento) {
                fail(ln, "colore " + std::to_string(v.number) + " diverso da " + std::to_string(ColoreAcceso) +
                             " (acceso) e " + std::to_string(ColoreSpento) + " (spento)");
                return false;
            }
            return true;
        }
        if (v.kind == RecordValue::Kind::Number) v = RecordValue::Text(std::to_string(v.number));
        if (v.kind != RecordValue::Kind::Text) {
            fail(ln, "atteso un testo tra virgolette");
            return false;
        }
        switch (field.table) {
        case T::ScritteVarie:
            if (v.text.find('"') == std::string::npos) return true;
            fail(ln, "il nome del profilo contiene virgolette");
            return false;
        case T::FreqInc:
        case T::FreIncB:
            // Whether the counts agree with the switches is checked once all lines are read.
            if (field.index == 25) return inRange(ln, 0, 13, "numero di moduli accesi");
            if (field.index == 26) return inRange(ln, 4, 13, "numero di moduli da estrarre");
            return inRange(ln, 1, 16, "peso");
        case T::Inciso: return inRange(ln, 0, 15, "numero di forme accese");
        case T::Cadenza: return inRange(ln, 0, 13, "numero di cadenze accese");
        case T::Notafinale: return inRange(ln, field.index == 4 ? 1 : 0, 16, "peso della nota finale");
        case T::Collegamento:
            if (v.text == "X") return true;
            if (lacksFigure(field.index)) {
                fail(ln, "qui i collegamenti hanno sempre \"X\": il caso non ha questa figura");
                return false;
            }
            return inRange(ln, 1, 16, "peso di collegamento");
        case T::Nota:
            if (isForbiddenPivotCell(field.index)) {
                if (v.text == "X") return true;
                fail(ln, "qui i pesi delle note perno hanno sempre \"X\"");
                return false;
            }
            if (v.text == "X") {
                fail(ln, "\"X\" fuori posto nei pesi delle note perno");
                return false;
            }
            return inRange(ln, 1, 16, "peso della nota perno");
        default: return inRange(ln, 1, 16, "peso");
        }
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
            fail(countLine,
                 "solo " + std::to_string(on) + " moduli accesi nel " + which + " elenco: ne servono almeno 4");
            return;
        }
        if (!lineOk_[countLine]) return;
        if (number(countLine) != on) {
            fail(countLine, "dice " + shownValue(text(countLine)) + " moduli accesi nel " + which +
                                " elenco, ma ne sono accesi " + std::to_string(on));
            return;
        }
        if (lineOk_[poolLine]) inRange(poolLine, 4, on, "numero di moduli da estrarre");
    }

    void checkSwitchCount(T switches, int lo, int hi, int countLine, const char* what) {
        int on = countOn(switches, lo, hi);
        if (on < 0) return;
        if (on == 0) {
            fail(countLine, std::string("nessuna delle ") + what + " è accesa");
            return;
        }
        if (lineOk_[countLine] && number(countLine) != on)
            fail(countLine,
                 "dice " + shownValue(text(countLine)) + " " + what + " accese, ma ne sono accese " + std::to_string(on));
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
                int first = line(T::Collegamento, 80 * n + 8 * (r - 1) + 1);
                bool readable = true, weighted = false;
                for (int c = 0; c < 8; ++c) {
                    readable = readable && lineOk_[first + c];
                    weighted = weighted || text(first + c) != "X";
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
    if (values.size() < static_cast<size_t>(kSettingsRecordLines)) return shortRecord(values.size(), kSettingsRecordLines);
    values.resize(kSettingsRecordLines);
    return Checker(values).run();
}

SettingsRecordCheck readSettingsRecord(std::string_view content) {
    RecordCheck read = readRecordValues(content, kSettingsRecordLines);
    if (!read.ok()) return read;
    return checkSettingsValues(std::move(read.values));
}

}  // namespace kelo
