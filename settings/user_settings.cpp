#include "settings/user_settings.h"

#include "model/main_window.h"
#include "model/record_storage.h"
#include "settings/factory_defaults.h"
#include "settings/settings_check.h"
#include "settings/settings_record.h"

namespace kelo {

namespace {
constexpr const char* kMessageTitle = "Impostazioni dell'utente";
constexpr const char* kBadSuffix = ".bad";
}  // namespace

std::string userSettingsPath(const frmKeloTrundo15& f) { return f.lblDir.Caption + "Kelo 2020\\Dati\\User.txt"; }

void CaricaImpostazioniUtente(frmKeloTrundo15& f) {
    const std::string path = userSettingsPath(f);
    FileSystem& files = f.sys.files;
    const std::string shown = "\"" + files.nativePath(path) + "\"";

    std::string problem = "Il file delle impostazioni " + shown + " ";
    const FileRead file = files.read(path, kRecordFileLimit);
    if (file.ok()) {
        SettingsRecordCheck check = readSettingsRecord(file.content);
        if (check.ok()) {
            applySettingsRecord(f, check.values);
            return;
        }
        problem += "non è valido alla riga " + std::to_string(check.badLine) + ": " + check.reason + ".";
    } else if (file.outcome == FileRead::Outcome::Missing) {
        problem += "non esiste.";
    } else {
        problem += unreadReason(file.outcome) + ".";
    }

    // A bad file is kept for whoever wants to look at it, next to any earlier one;
    // the exit save would otherwise replace it.
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
    return ScriviRecord(f, userSettingsPath(f), collectSettingsRecord(f), kMessageTitle);
}

}  // namespace kelo
