#include "platform/record_format.h"

#include "platform/text_encoding.h"

namespace kelo {

namespace {

void appendText(std::string& out, std::string_view text) {
    out += '"';
    if (text.find_first_of("\"\r\n") == std::string_view::npos) {
        out += text;  // the usual case, whole
    } else {
        for (char c : text) {
            if (c == '"') out += '"';
            out += c == '\r' || c == '\n' ? ' ' : c;
        }
    }
    out += '"';
}

std::string textBetweenQuotes(std::string_view inner) {
    if (inner.find_first_of("\"\r") == std::string_view::npos) return std::string(inner);
    std::string text;
    text.reserve(inner.size());
    for (size_t i = 0; i < inner.size(); ++i) {
        if (inner[i] == '"' && i + 1 < inner.size() && inner[i + 1] == '"') ++i;
        text += inner[i] == '\r' ? ' ' : inner[i];
    }
    return text;
}

bool parseNumber(std::string_view s, int64_t& out) {
    if (s.empty() || s.size() > 12) return false;
    size_t i = s[0] == '-' ? 1 : 0;
    if (i == s.size()) return false;
    int64_t v = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
        v = v * 10 + (s[i] - '0');
    }
    out = s[0] == '-' ? -v : v;
    return true;
}

}  // namespace

std::string formatRecord(const std::vector<RecordValue>& values) {
    std::string out;
    out.reserve(values.size() * 8);
    for (const RecordValue& v : values) {
        switch (v.kind) {
        case RecordValue::Kind::Text: appendText(out, v.text); break;
        case RecordValue::Kind::Number: out += std::to_string(v.number); break;
        case RecordValue::Kind::Boolean: out += v.flag ? "#TRUE#" : "#FALSE#"; break;
        }
        out += "\r\n";
    }
    return textToFile(out);
}

ParsedRecord parseRecord(std::string_view bytes, size_t maxValues) {
    const std::string decoded = textFromFile(bytes);
    const std::string_view content = decoded;
    ParsedRecord r;
    size_t pos = 0;
    int line = 0;
    while (pos < content.size() && r.values.size() < maxValues) {
        size_t end = content.find('\n', pos);
        std::string_view raw = content.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
        pos = end == std::string_view::npos ? content.size() : end + 1;
        ++line;
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        RecordValue v;
        int64_t n = 0;
        if (raw.size() >= 2 && raw.front() == '"' && raw.back() == '"') {
            v = RecordValue::Text(textBetweenQuotes(raw.substr(1, raw.size() - 2)));
        } else if (raw == "#TRUE#" || raw == "#FALSE#") {
            v = RecordValue::Boolean(raw == "#TRUE#");
        } else if (parseNumber(raw, n)) {
            v = RecordValue::Number(n);
        } else {
            r.badLine = line;
            return r;
        }
        r.values.push_back(std::move(v));
    }
    for (int at = line + 1; pos < content.size(); ++pos) {
        const char c = content[pos];
        if (c == '\n') {
            ++at;
        } else if (c != ' ' && c != '\t' && c != '\r') {
            r.badLine = at;
            break;
        }
    }
    return r;
}

RecordCheck shortRecord(size_t have, size_t need) {
    RecordCheck r;
    r.badLine = static_cast<int>(have) + 1;
    r.reason = "il file finisce dopo " + counted(static_cast<int64_t>(have), "valore", "valori") + ", ne servono " +
               std::to_string(need);
    return r;
}

RecordCheck readRecordValues(std::string_view content, size_t need) {
    ParsedRecord parsed = parseRecord(content, need);
    if (parsed.badLine != 0) {
        RecordCheck r;
        r.badLine = parsed.badLine;
        r.reason = parsed.values.size() < need ? "riga illeggibile: né un testo tra virgolette né un numero"
                                               : "dopo l'ultimo valore possono venire solo righe vuote";
        return r;
    }
    if (parsed.values.size() < need) return shortRecord(parsed.values.size(), need);
    RecordCheck r;
    r.values = std::move(parsed.values);
    return r;
}

std::string shownValue(std::string_view text) {
    if (text.size() <= 20) return "\"" + std::string(text) + "\"";
    size_t cut = 20;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;  // whole characters only
    return "\"" + std::string(text.substr(0, cut)) + "...\"";
}

std::string counted(int64_t n, std::string_view one, std::string_view many) {
    return std::to_string(n) + " " + std::string(n == 1 ? one : many);
}

}  // namespace kelo
