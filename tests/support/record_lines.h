#pragma once
// Records as lines: split, edited line by line, joined again. The tests, the fuzz
// mutators and the fuzz seeds all build the records they need this way.
#include <climits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kelo::support {

using Lines = std::vector<std::string>;
using LineEdits = std::vector<std::pair<int, std::string>>;  // 1-based line, its new text

// The lines of a content without their line ends (CR LF or LF), as views into it.
std::vector<std::string_view> splitLines(std::string_view content);
Lines recordLines(std::string_view content);
std::string join(const Lines& lines, const char* end = "\r\n");
Lines with(Lines lines, const LineEdits& edits);
// A record with some lines replaced, cut after `upTo` lines, written with CR LF.
std::string recordWith(std::string_view record, const LineEdits& edits = {}, int upTo = INT_MAX);

// Where two runs of lines part, as "line n: got instead of want" ("" when they agree);
// with `perRecord` lines to a record, as "record r, line n: ...".
std::string firstDifference(const Lines& got, const Lines& want, int perRecord = 0);

// The settings record of a fresh installation, and one edited from it.
const std::string& factoryRecord();
std::string factoryRecordWith(const LineEdits& edits = {}, int upTo = 1300);

}  // namespace kelo::support
