#pragma once
// Line-per-value record files: texts in double quotes, bare whole numbers,
// #TRUE# / #FALSE#. Written with CR LF; read with CR LF or LF.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kelo {

struct RecordValue {
    enum class Kind : uint8_t { Text, Number, Boolean };
    Kind kind = Kind::Text;
    std::string text;
    int64_t number = 0;
    bool flag = false;

    static RecordValue Text(std::string t) { return {Kind::Text, std::move(t), 0, false}; }
    static RecordValue Number(int64_t n) { return {Kind::Number, {}, n, false}; }
    static RecordValue Boolean(bool b) { return {Kind::Boolean, {}, 0, b}; }
    bool operator==(const RecordValue&) const = default;
};

std::string formatRecord(const std::vector<RecordValue>& values);

struct ParsedRecord {
    std::vector<RecordValue> values;
    int badLine = 0;  // 1-based line of the first value that is none of the three kinds; 0 when all parse
};

ParsedRecord parseRecord(std::string_view content);

}  // namespace kelo
