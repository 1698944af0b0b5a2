#include "record_mutator.h"

#include <algorithm>
#include <cstring>
#include <random>

#include "support/record_lines.h"

extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize);

namespace kelo::fuzz {

using support::splitLines;

namespace {

// The reference value of the line the reader refuses; a missing line is added,
// anything after the record cut off.
std::string repaired(std::string_view content, const std::vector<std::string_view>& lines, const RecordShape& shape) {
    const auto bad = static_cast<size_t>(shape.badLine(content));
    if (bad == 0 || (bad > shape.reference.size() && bad > lines.size())) return std::string(content);
    const auto at = [&](std::string_view line) { return static_cast<size_t>(line.data() - content.data()); };
    if (bad > shape.reference.size()) return std::string(content.substr(0, at(lines[bad - 1])));
    const std::string& value = shape.reference[bad - 1];
    if (bad > lines.size()) {
        std::string out(content);
        if (!out.empty() && out.back() != '\n') out += "\r\n";
        return out + value + "\r\n";
    }
    const std::string_view target = lines[bad - 1];
    return std::string(content.substr(0, at(target))) + value + std::string(content.substr(at(target) + target.size()));
}

}  // namespace

RecordShape shapeOf(std::string_view reference, int (*badLine)(std::string_view content),
                    std::span<const char* const> values) {
    RecordShape shape{{}, badLine, values};
    for (std::string_view line : splitLines(reference)) shape.reference.emplace_back(line);
    return shape;
}

size_t mutateRecord(uint8_t* data, size_t size, size_t maxSize, unsigned int seed, const RecordShape& shape) {
    std::minstd_rand pick(seed);
    const unsigned way = pick() % 3;
    if (way == 0 || size == 0) return LLVMFuzzerMutate(data, size, maxSize);

    const std::string_view content(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string_view> lines = splitLines(content);
    std::string out;
    if (way == 1) {
        out = repaired(content, lines, shape);
    } else {
        const std::string_view target = lines[pick() % lines.size()];
        const size_t choice = pick() % (shape.values.size() + 1);
        const std::string_view value =
            choice < shape.values.size() ? shape.values[choice] : lines[pick() % lines.size()];
        const size_t at = static_cast<size_t>(target.data() - content.data());
        out.append(content.substr(0, at)).append(value).append(content.substr(at + target.size()));
    }
    if (out.size() > maxSize || out == content) return LLVMFuzzerMutate(data, size, maxSize);
    std::memcpy(data, out.data(), out.size());
    return out.size();
}

}  // namespace kelo::fuzz
