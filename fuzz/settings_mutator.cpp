// Mutations that keep a settings record a record. Byte mutations alone seldom
// leave 1300 lines usable, so two mutations in three rewrite one whole line
// instead: with a value the editors write or one just beside their ranges, with
// the value of another line, or with the factory value of the line the checker
// refuses, which walks a refused record towards one it accepts.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "settings/factory_record.h"
#include "settings/settings_check.h"

using namespace kelo;

extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize);

namespace {

// The lines of a content without their line ends, as views into it.
std::vector<std::string_view> splitLines(std::string_view content) {
    std::vector<std::string_view> lines;
    for (size_t p = 0, e; p < content.size(); p = e + 1) {
        e = std::min(content.find('\n', p), content.size());
        lines.push_back(content.substr(p, e - p - (e > p && content[e - 1] == '\r' ? 1 : 0)));
    }
    return lines;
}

const std::vector<std::string>& factoryLines() {
    static const std::vector<std::string> lines = [] {
        HeadlessPlatform hp;
        const std::string text = FactorySettingsRecordText(hp.platform);
        std::vector<std::string> v;
        for (std::string_view l : splitLines(text)) v.emplace_back(l);
        return v;
    }();
    return lines;
}

// The factory value of the line the checker refuses; a missing line is added.
std::string repaired(std::string_view content, const std::vector<std::string_view>& lines) {
    const int bad = readSettingsRecord(content).badLine;
    if (bad == 0) return std::string(content);
    const std::string& value = factoryLines()[static_cast<size_t>(bad - 1)];
    if (static_cast<size_t>(bad) > lines.size()) {
        std::string out(content);
        if (!out.empty() && out.back() != '\n') out += "\r\n";
        return out + value + "\r\n";
    }
    const std::string_view target = lines[static_cast<size_t>(bad - 1)];
    const size_t at = static_cast<size_t>(target.data() - content.data());
    return std::string(content.substr(0, at)) + value + std::string(content.substr(at + target.size()));
}

}  // namespace

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize, unsigned int seed) {
    std::minstd_rand pick(seed);
    const unsigned way = pick() % 3;
    if (way == 0 || size == 0) return LLVMFuzzerMutate(data, size, maxSize);

    static const char* const kValues[] = {"\"X\"",    "\"0\"",      "\"1\"", "\"4\"",   "\"13\"", "\"16\"",
                                          "\"17\"",   "\"\"",       "12632319", "16777215", "7", "#TRUE#"};
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string_view> lines = splitLines(content);
    std::string out;
    if (way == 1) {
        out = repaired(content, lines);
    } else {
        const std::string_view target = lines[pick() % lines.size()];
        const size_t choice = pick() % (std::size(kValues) + 1);
        const std::string_view value = choice < std::size(kValues) ? kValues[choice] : lines[pick() % lines.size()];
        const size_t at = static_cast<size_t>(target.data() - content.data());
        out.append(content.substr(0, at)).append(value).append(content.substr(at + target.size()));
    }
    if (out.size() > maxSize || out == content) return LLVMFuzzerMutate(data, size, maxSize);
    std::memcpy(data, out.data(), out.size());
    return out.size();
}
