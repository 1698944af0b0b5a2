#pragma once
// A fuzz target's seed corpus: a good record changed here and there, each file
// written with the verdict its reader must give.
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/record_format.h"
#include "support/record_lines.h"

namespace kelo::fuzz {

using support::join;
using support::Lines;
using support::recordLines;
using support::with;

struct Seed {
    const char* name;
    std::string content;
    int badLine;  // 0 when the record is usable
};

// Writes every seed into `folder`; the number of seeds `read` gives another verdict.
int writeSeeds(const std::filesystem::path& folder, std::span<const Seed> seeds,
               RecordCheck (*read)(std::string_view content));

}  // namespace kelo::fuzz
