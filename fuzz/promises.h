#pragma once
// What every fuzz target needs to state its promises.
#include <string>
#include <string_view>

#include "platform/record_format.h"

namespace kelo::fuzz {

// Stops the run, naming the promise, when it does not hold.
void require(bool holds, const char* promise);

// Two readings of a record that give the same verdict, reason and values.
bool sameVerdict(const RecordCheck& a, const RecordCheck& b);

// The same content with every line ending in CR LF.
std::string withCrLf(std::string_view content);

}  // namespace kelo::fuzz
