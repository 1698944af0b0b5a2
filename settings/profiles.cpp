#include "settings/profiles.h"

#include <string>

#include "engine/link_cases.h"
#include "model/cell_roles.h"
#include "model/colours.h"
#include "model/data_files.h"
#include "model/main_window.h"
#include "model/record_storage.h"
#include "settings/settings_check.h"
#include "settings/settings_record.h"

namespace kelo {

namespace {
constexpr const char* kTitoloMessaggi = "Profilo delle impostazioni";
std::string profileFolder(const frmKeloTrundo15& f) { return DataPath(f.lblDir.Caption, "Impostazioni\\"); }
}  // namespace

void SalvaImpostazioni(frmKeloTrundo15& f) {
    if (auto path = ScegliFileDaSalvare(f.CommonDialog2, profileFolder(f), "Nuova.txt"))
        ScriviRecord(f, *path, collectSettingsRecord(f), kTitoloMessaggi);
    f.lblPuls[Puls::SalvaImpostazioni].BackColor = ColoreSpento;
}

void CaricaImpostazioni(frmKeloTrundo15& f) {
    if (auto path = ScegliFileDaAprire(f.CommonDialog2, profileFolder(f))) {
        if (auto values = LeggiRecord(f, *path, readSettingsRecord, kTitoloMessaggi)) {
            applySettingsRecord(f, *values);
            // The page on show is a copy of the bank: it shows the loaded weights at once.
            CaricaCasoCollegamento(f);
            CaricaPaginaCollegamento(f);
        }
    }
    f.lblPuls[Puls::CaricaImpostazioni].BackColor = ColoreSpento;
}

}  // namespace kelo
