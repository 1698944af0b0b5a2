#include "settings/user_settings.h"

#include <optional>
#include <vector>

#include "model/main_window.h"
#include "model/record_storage.h"
#include "settings/factory_defaults.h"
#include "settings/settings_check.h"
#include "settings/settings_record.h"

namespace kelo {

namespace {
constexpr const char* kMessageTitle = "Impostazioni dell'utente";
constexpr const char* kBadSuffix = ".bad";

std::string namedFile(frmKeloTrundo15& f, const std::string& path) {
    return "Il file delle impostazioni \"" + f.sys.files.nativePath(path) + "\" ";
}

// The record the file holds, or nothing and why, as a message says it after the file's name.
std::optional<std::vector<RecordValue>> usableRecord(const FileRead& file, std::string& why) {
    if (file.ok()) {
        SettingsRecordCheck check = readSettingsRecord(file.content);
        if (check.ok()) return std::move(check.values);
        why = "non è valido alla riga " + std::to_string(check.badLine) + ": " + check.reason + ".";
    } else if (file.outcome == FileRead::Outcome::Missing) {
        why = "non esiste.";
    } else {
        why = unreadReason(file.outcome) + ".";
    }
    return std::nullopt;
}
}  // namespace

std::string userSettingsPath(const frmKeloTrundo15& f) { return f.lblDir.Caption + "Kelo 2020\\Dati\\User.txt"; }

void CaricaImpostazioniUtente(frmKeloTrundo15& f) {
    const std::string path = userSettingsPath(f);
    FileSystem& files = f.sys.files;
    const FileRead file = files.read(path, kRecordFileLimit);
    std::string problem;
    if (std::optional<std::vector<RecordValue>> values = usableRecord(file, problem)) {
        applySettingsRecord(f, *values);
        return;
    }
    problem = namedFile(f, path) + problem;

    // A bad file is kept for whoever wants to look at it, next to any earlier one.
    if (file.outcome != FileRead::Outcome::Missing) {
        if (std::optional<std::string> aside = files.moveAside(path, kBadSuffix))
            problem += " È stato messo da parte come \"" + files.nativePath(*aside) + "\".";
        else
            problem += " Non è stato possibile metterlo da parte.";
    }
    problem += " Kelo parte con le impostazioni di fabbrica.";
    f.sys.display.message(kMessageTitle, problem);
    resetAllToFactory(f);
}

bool SalvaImpostazioniUtente(frmKeloTrundo15& f) {
    const std::string path = userSettingsPath(f);
    // Whatever is in the file's place and is no usable record is the user's: the
    // bad file that the start could not move aside, or one spoiled since.
    const FileRead file = f.sys.files.read(path, kRecordFileLimit);
    std::string problem;
    if (file.outcome != FileRead::Outcome::Missing && !usableRecord(file, problem)) {
        f.sys.display.message(
            kMessageTitle,
            namedFile(f, path) + problem + " Per non perderlo, Kelo lo lascia com'è e non salva le impostazioni.");
        return false;
    }
    return ScriviRecord(f, path, collectSettingsRecord(f), kMessageTitle);
}

}  // namespace kelo
