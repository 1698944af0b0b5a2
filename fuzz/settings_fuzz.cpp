// Any bytes as the user's settings file. Stops on the first broken promise:
// - reading does not care whether lines end in CR LF or LF;
// - whatever parses, formatted again, parses to the same values;
// - a record the checker refuses names a line of the record, is moved aside,
//   and leaves every control of the window as it was (the factory settings);
// - a record it accepts reaches the window whole and nothing else, and the
//   window saved again reads back to the very same values;
// - a file past the size limit is refused unread and moved aside.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/main_window.h"
#include "platform/headless/headless_platform.h"
#include "promises.h"
#include "settings/factory_defaults.h"
#include "settings/settings_check.h"
#include "settings/settings_record.h"
#include "settings/user_settings.h"
#include "support/test_window.h"
#include "support/window_snapshot.h"

using namespace kelo;
using fuzz::require;
using fuzz::withCrLf;

namespace {

struct Bench {
    support::TestWindow w{{.factory = true, .filesInMemory = true}};
    HeadlessPlatform& hp = w.hp;
    support::MemoryFiles& files = w.memory;
    frmKeloTrundo15& window = w.f;
    std::string path = userSettingsPath(window);
    std::vector<RecordValue> factoryValues = collectSettingsRecord(window);
    support::WindowSnapshot factory = support::takeSnapshot(window);
};

void checkRefused(Bench& b, std::string_view content, const SettingsRecordCheck& check) {
    require(check.badLine >= 1, "a refusal names a line: of the record, or one after it");
    require(!check.reason.empty() && check.values.empty(), "a refusal says why and hands out no values");
    require(support::matchesSnapshot(b.window, b.factory), "a refused record changes no control");
    require(b.hp.display.messages.size() == 1, "a refused record leaves one message");
    require(b.hp.display.messages[0].find("riga " + std::to_string(check.badLine) + ":") != std::string::npos,
            "the message names the refused line");
    auto aside = b.files.files.find(b.path + ".bad");
    require(!b.files.exists(b.path) && aside != b.files.files.end() && aside->second == content,
            "a refused file is moved aside as it was");
}

void checkAccepted(Bench& b, std::string_view content, const SettingsRecordCheck& check) {
    require(b.hp.display.messages.empty(), "an accepted record leaves no message");
    require(b.files.files.at(b.path) == content, "an accepted file stays in place");
    require(collectSettingsRecord(b.window) == check.values, "an accepted record reaches the window whole");

    require(SalvaImpostazioniUtente(b.window), "saving to memory succeeds");
    const std::string saved = b.files.files.at(b.path);
    require(saved == formatRecord(check.values), "the window saves the record it was given");
    SettingsRecordCheck again = readSettingsRecord(saved);
    require(again.ok() && again.values == check.values, "a saved record reads back to the same values");

    applySettingsRecord(b.window, b.factoryValues);
    require(support::matchesSnapshot(b.window, b.factory), "a record changes nothing outside its own cells");
}

// One byte past the size limit, a record it would accept is refused unread. The
// buffer goes from input to input: a fresh megabyte each time would slow the run
// down by a third.
void checkPadded(Bench& b, std::string_view content) {
    static std::string padded;
    padded.assign(content).resize(kRecordFileLimit + 1, '\n');
    b.files.files.at(b.path) = std::move(padded);  // the file the window was saved to
    b.hp.display.messages.clear();
    CaricaImpostazioniUtente(b.window);
    require(b.hp.display.messages.size() == 1 && b.hp.display.messages[0].find("troppo grande") != std::string::npos &&
                b.files.files.begin()->first == b.path + ".bad" && support::matchesSnapshot(b.window, b.factory),
            "a file past the limit is refused unread in one message, moved aside, and changes no control");
    padded = std::move(b.files.files.begin()->second);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Bench* bench = new Bench;  // one window for the whole run; building it is slow
    Bench& b = *bench;
    const std::string_view content(reinterpret_cast<const char*>(data), size);

    ParsedRecord parsed = parseRecord(content);
    ParsedRecord reparsed = parseRecord(formatRecord(parsed.values));
    require(reparsed.badLine == 0 && reparsed.values == parsed.values, "formatted values parse back unchanged");

    const SettingsRecordCheck check = readSettingsRecord(content);
    const std::string crlf = withCrLf(content);
    if (crlf != content) require(fuzz::sameVerdict(readSettingsRecord(crlf), check), "CR LF and LF read alike");

    b.files.files.clear();
    b.files.files.emplace(b.path, std::string(content));
    b.hp.display.messages.clear();
    CaricaImpostazioniUtente(b.window);
    if (check.ok())
        checkAccepted(b, content, check);
    else
        checkRefused(b, content, check);
    if (check.ok() && size <= kRecordFileLimit) checkPadded(b, content);
    // Either way the window is back at the factory settings for the next input.
    return 0;
}
