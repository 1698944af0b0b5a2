#include "settings/user_settings.h"

#include "model/main_window.h"
#include "model/record_files.h"
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

    std::string problem;
    if (std::optional<std::string> content = files.readAll(path)) {
        SettingsRecordCheck check = readSettingsRecord(*content);
        if (check.ok()) {
            applySettingsRecord(f, check.values);
            return;
        }
        problem = "Il file delle impostazioni " + shown + " non è valido alla riga " + std::to_string(check.badLine) +
                  ": " + check.reason + ".";
    } else if (files.exists(path)) {
        problem = "Il file delle impostazioni " + shown + " non si può leggere.";
    } else {
        problem = "Il file delle impostazioni " + shown + " non esiste.";
    }

    // A bad file is kept for whoever wants to look at it; the exit save would
    // otherwise replace it.
    if (files.exists(path)) {
        if (files.moveAside(path, kBadSuffix))
            problem += " È stato messo da parte come \"" + files.nativePath(path) + kBadSuffix + "\".";
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
