#pragma once
// Reading a settings record from a file's content and checking that every value
// is one the editors could have produced and the composer can use, before any
// cell of the window changes.
#include <string_view>
#include <vector>

#include "platform/record_format.h"

namespace kelo {

using SettingsRecordCheck = RecordCheck;

// Parses and checks a whole file content; lines after the 1300th are not read.
SettingsRecordCheck readSettingsRecord(std::string_view content);
// Checks values already parsed (a bare number on a caption line counts as its digits).
SettingsRecordCheck checkSettingsValues(std::vector<RecordValue> values);

}  // namespace kelo
