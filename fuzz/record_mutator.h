#pragma once
// Mutations that keep a record a record. Byte mutations alone seldom leave every
// line of a record usable, so two mutations in three rewrite one whole line
// instead: with a value its reader accepts somewhere or one just beside, with the
// value of another line, or with the reference record's value of the line the
// reader refuses, which walks a refused record towards one it accepts.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelo::fuzz {

struct RecordShape {
    std::vector<std::string> reference;  // a record the reader accepts, line by line
    int (*badLine)(std::string_view content);
    std::span<const char* const> values;  // whole lines worth trying anywhere
};

// The shape of records like `reference`, a record the reader accepts.
RecordShape shapeOf(std::string_view reference, int (*badLine)(std::string_view content),
                    std::span<const char* const> values);

// LLVMFuzzerCustomMutator's work for a record of the given shape.
size_t mutateRecord(uint8_t* data, size_t size, size_t maxSize, unsigned int seed, const RecordShape& shape);

}  // namespace kelo::fuzz
