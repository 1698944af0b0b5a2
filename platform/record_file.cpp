#include "platform/record_file.h"

namespace kelo {

std::string formatRecord(const std::vector<RecordValue>& values) {
    std::string out;
    out.reserve(values.size() * 8);
    for (const RecordValue& v : values) {
        switch (v.kind) {
        case RecordValue::Kind::Text: out += '"'; out += v.text; out += '"'; break;
        case RecordValue::Kind::Number: out += std::to_string(v.number); break;
        case RecordValue::Kind::Boolean: out += v.flag ? "#TRUE#" : "#FALSE#"; break;
        }
        out += "\r\n";
    }
    return out;
}

namespace {
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

ParsedRecord parseRecord(std::string_view content) {
    ParsedRecord r;
    size_t pos = 0;
    int line = 0;
    while (pos < content.size()) {
        size_t end = content.find('\n', pos);
        std::string_view raw = content.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
        pos = end == std::string_view::npos ? content.size() : end + 1;
        ++line;
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        RecordValue v;
        int64_t n = 0;
        if (raw.size() >= 2 && raw.front() == '"' && raw.back() == '"') {
            v = RecordValue::Text(std::string(raw.substr(1, raw.size() - 2)));
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
    return r;
}

}  // namespace kelo
