#pragma once
// Line-per-value record files: texts in double quotes, bare whole numbers,
// #TRUE# / #FALSE#. Written with CR LF; read with CR LF or LF. The bytes follow
// platform/text_encoding.h: Windows-1252 where it serves, UTF-8 otherwise.
#include <cstdint>
#include <limits>
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

// A double quote inside a text is written twice, which no file of the old program
// holds; CR and LF become blanks, so that every value keeps to its own line.
std::string formatRecord(const std::vector<RecordValue>& values);

struct ParsedRecord {
    std::vector<RecordValue> values;
    int badLine = 0;  // 1-based line of the first value that is none of the three kinds; 0 when all parse
};

// The most a record file may hold: a real one is under 10 KB.
inline constexpr size_t kRecordFileLimit = size_t{1} << 20;

// Reads the values of the first `maxValues` lines; after them only blanks and line
// ends may follow, as in files of the old program, else the first line that holds
// more is bad. A doubled quote inside a text reads as one, a lone one as itself.
ParsedRecord parseRecord(std::string_view content, size_t maxValues = std::numeric_limits<size_t>::max());

// A record read for use: its values, or the first line that keeps it from use.
struct RecordCheck {
    std::vector<RecordValue> values;  // the values, when usable
    int badLine = 0;                  // first line that is wrong (1-based), 0 when usable
    std::string reason;               // what is wrong with it, for the user
    bool ok() const { return badLine == 0; }
};
// A record that ends after `have` of the `need` values it must hold.
RecordCheck shortRecord(size_t have, size_t need);
// The first `need` values of a file, or the line where they stop: one that is no
// value, or the end of a file that holds fewer.
RecordCheck readRecordValues(std::string_view content, size_t need);

// A value as a message quotes it: short, whatever the file holds.
std::string shownValue(std::string_view text);

// A count with its noun as a message says it: "1 valore", "3 valori".
std::string counted(int64_t n, std::string_view one, std::string_view many);

}  // namespace kelo
