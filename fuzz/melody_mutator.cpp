// The melody record's shape for the record mutator: the values its fields take
// or just beside them, and a composed melody to repair towards.
#include "melody_window.h"
#include "player/melody_record.h"
#include "record_mutator.h"

using namespace kelo;

namespace {

const fuzz::RecordShape& melodyShape() {
    static const char* const kValues[] = {"\"\"",    "\"-\"",  "\"DO\"",  "\"re'\"",    "\"Do\"",
                                          "\"1 1\"", "\"3\"",  "\"2 2\"", "\"19\"",     "\"20\"",
                                          "\"16\"",  "\"0\"",  "75",      "0",          "12632319",
                                          "255",     "#TRUE#", "#FALSE#", "\"a\"\"b\"", "\"Citt\xE0\""};
    static const fuzz::RecordShape shape = [] {
        support::TestWindow w(fuzz::kMelodyWindow);
        return fuzz::shapeOf(
            w.composeAndReveal(), [](std::string_view c) { return readMelodyRecord(c).badLine; }, kValues);
    }();
    return shape;
}

}  // namespace

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize, unsigned int seed) {
    return fuzz::mutateRecord(data, size, maxSize, seed, melodyShape());
}
