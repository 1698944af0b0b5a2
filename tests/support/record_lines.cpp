#include "support/record_lines.h"

#include <algorithm>

#include "platform/headless/headless_platform.h"
#include "settings/factory_record.h"

namespace kelo::support {

std::vector<std::string_view> splitLines(std::string_view content) {
    std::vector<std::string_view> lines;
    for (size_t p = 0, e; p < content.size(); p = e + 1) {
        e = std::min(content.find('\n', p), content.size());
        lines.push_back(content.substr(p, e - p - (e > p && content[e - 1] == '\r' ? 1 : 0)));
    }
    return lines;
}

Lines recordLines(std::string_view content) {
    Lines lines;
    for (std::string_view line : splitLines(content)) lines.emplace_back(line);
    return lines;
}

std::string join(const Lines& lines, const char* end) {
    std::string s;
    for (const std::string& l : lines) s += l + end;
    return s;
}

Lines with(Lines lines, const LineEdits& edits) {
    for (const auto& [n, text] : edits) lines.at(static_cast<size_t>(n - 1)) = text;
    return lines;
}

std::string recordWith(std::string_view record, const LineEdits& edits, int upTo) {
    Lines lines = with(recordLines(record), edits);
    lines.resize(std::min(lines.size(), static_cast<size_t>(upTo)));
    return join(lines);
}

std::string firstDifference(const Lines& got, const Lines& want, int perRecord) {
    for (size_t i = 0; i < std::max(got.size(), want.size()); ++i) {
        const std::string g = i < got.size() ? got[i] : "(none)", w = i < want.size() ? want[i] : "(none)";
        if (g == w) continue;
        const int n = static_cast<int>(i);
        return (perRecord
                    ? "record " + std::to_string(n / perRecord + 1) + ", line " + std::to_string(n % perRecord + 1)
                    : "line " + std::to_string(n + 1)) +
               ": " + g + " instead of " + w;
    }
    return "";
}

const std::string& factoryRecord() {
    static const std::string factory = [] {
        HeadlessPlatform scratch;
        return FactorySettingsRecordText(scratch.platform);
    }();
    return factory;
}

std::string factoryRecordWith(const LineEdits& edits, int upTo) { return recordWith(factoryRecord(), edits, upTo); }

}  // namespace kelo::support
