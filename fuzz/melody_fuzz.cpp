// Any bytes as a melody record the user loads. Stops on the first broken promise:
// - reading does not care whether lines end in CR LF or LF;
// - a record the reader refuses names a line of it in one message, gives the
//   button back white and leaves every control of the window as it was;
// - a record it accepts reaches the melody cells whole, the chord names it shows
//   turned into marks; its reveal shows them again, and saved then it is the very
//   same record, which reads back to the same values;
// - a variant of it, saved, is a record the reader accepts;
// - one byte past the size limit, it is refused unread.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/command_buttons.h"
#include "app/variant_button.h"
#include "melody_window.h"
#include "model/colours.h"
#include "player/melody_files.h"
#include "player/melody_record.h"
#include "promises.h"
#include "support/window_snapshot.h"

using namespace kelo;
using fuzz::require;

namespace {

constexpr const char* kLoaded = "Kelo 2020\\Melodie\\caricata.txt";
constexpr const char* kSaved = "Kelo 2020\\Melodie\\salvata.txt";

struct Bench : support::TestWindow {
    Bench() : TestWindow(fuzz::kMelodyWindow) {
        f.lblPulsante[2].BackColor = ColoreSpento;  // "Subito" off: a reveal ends without playing
        before = support::takeSnapshot(f);
    }
    // The file the save dialog was answered with.
    std::string save() {
        hp.dialogs.answer(kSaved);
        SalvaMelodia(f);
        return memory.read(kSaved, kRecordFileLimit).content;
    }
    support::WindowSnapshot before;  // the window as the last accepted record left it
    long inputs = 0, accepted = 0;
};

void checkRefused(Bench& b, const RecordCheck& check) {
    require(check.badLine >= 1, "a refusal names a line: of the record, or one after it");
    require(!check.reason.empty() && check.values.empty(), "a refusal says why and hands out no values");
    require(b.hp.display.messages.size() == 1 &&
                b.hp.display.messages[0].find("riga " + std::to_string(check.badLine) + ":") != std::string::npos,
            "a refusal leaves one message naming the line");
    require(support::matchesSnapshot(b.f, b.before), "a refused record changes no control");
}

void checkAccepted(Bench& b, const RecordCheck& check) {
    frmKeloTrundo15& f = b.f;
    require(b.hp.display.messages.empty(), "an accepted record leaves no message");
    for (int k = 1; k <= 16; ++k)
        require(!f.lblArmonie[k].Visible && (f.lblAccomp[k].BorderStyle == 1) == check.values[179 + k].flag,
                "the chord names shown become marks");
    b.hp.advance(support::kRevealMs);
    require(!f.TmrMostraMelodiaDaFile.Enabled() && f.cmdIncisi.Enabled, "the reveal ends");
    require(collectMelodyRecord(f) == check.values, "a revealed record is in its cells whole");
    const std::string saved = b.save();
    require(saved == formatRecord(check.values), "the melody saves the record it was given");
    const RecordCheck again = readMelodyRecord(saved);
    require(again.ok() && again.values == check.values, "a saved record reads back to the same values");

    lblVariante_MouseDown(f, {});
    b.hp.advance(support::kRevealMs);
    require(readMelodyRecord(b.save()).ok(), "a variant saves a record that loads");
    b.before = support::takeSnapshot(f);
}

// One byte past the size limit, a record it would accept is refused unread.
void checkPadded(Bench& b, std::string_view content) {
    std::string padded(content);
    padded.resize(kRecordFileLimit + 1, '\n');
    b.memory.files = {{kLoaded, padded}};
    b.hp.dialogs.answer(kLoaded);
    lblPuls_Click(b.f, 2);
    require(b.hp.display.messages.size() == 1 && b.hp.display.messages[0].find("troppo grande") != std::string::npos &&
                support::matchesSnapshot(b.f, b.before),
            "a file past the limit is refused unread in one message and changes no control");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Bench* bench = [] {
        auto* made = new Bench;  // one window for the whole run; building it is slow
        std::atexit(
            [] { std::fprintf(stderr, "melody records accepted: %ld of %ld\n", bench->accepted, bench->inputs); });
        return made;
    }();
    Bench& b = *bench;
    const std::string_view content(reinterpret_cast<const char*>(data), size);

    const RecordCheck check = readMelodyRecord(content);
    const std::string crlf = fuzz::withCrLf(content);
    if (crlf != content) require(fuzz::sameVerdict(readMelodyRecord(crlf), check), "CR LF and LF read alike");

    b.hp.display.messages.clear();
    b.hp.dialogs.requests.clear();  // kept by the scripted dialogs: a long run would pile them up
    if (check.ok() && size <= kRecordFileLimit) checkPadded(b, content);
    b.memory.files = {{kLoaded, std::string(content)}};
    b.hp.display.messages.clear();
    b.hp.dialogs.answer(kLoaded);
    lblPuls_Click(b.f, 2);
    require(b.f.lblPuls[2].BackColor == ColoreSpento, "the button is white again");
    ++b.inputs;
    b.accepted += check.ok() ? 1 : 0;
    if (check.ok())
        checkAccepted(b, check);
    else
        checkRefused(b, check);
    return 0;
}
