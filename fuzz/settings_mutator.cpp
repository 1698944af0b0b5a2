// The settings record's shape for the record mutator: the values the editors
// write or just beside their ranges, and the factory record to repair towards.
#include "platform/headless/headless_platform.h"
#include "record_mutator.h"
#include "settings/factory_record.h"
#include "settings/settings_check.h"

using namespace kelo;

namespace {

const fuzz::RecordShape& settingsShape() {
    static const char* const kValues[] = {"\"X\"",  "\"0\"", "\"1\"",    "\"4\"",    "\"13\"", "\"16\"",
                                          "\"17\"", "\"\"",  "12632319", "16777215", "7",      "#TRUE#"};
    static const fuzz::RecordShape shape = [] {
        HeadlessPlatform hp;
        return fuzz::shapeOf(
            FactorySettingsRecordText(hp.platform), [](std::string_view c) { return readSettingsRecord(c).badLine; },
            kValues);
    }();
    return shape;
}

}  // namespace

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize, unsigned int seed) {
    return fuzz::mutateRecord(data, size, maxSize, seed, settingsShape());
}
