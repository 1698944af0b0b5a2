#include "player/melody_files.h"

#include <vector>

#include "model/cell_roles.h"
#include "model/colours.h"
#include "model/data_files.h"
#include "model/main_window.h"
#include "model/record_storage.h"
#include "player/melody_record.h"
#include "player/score_display.h"
#include "player/sequencer.h"

namespace kelo {

namespace {

constexpr const char* kTitoloMessaggi = "Melodia";
constexpr size_t kNomeMassimo = 120;  // bytes of the name before ".txt"
constexpr std::string_view kEstensione = ".txt";

std::string melodyFolder(const frmKeloTrundo15& f) { return DataPath(f.lblDir.Caption, "Melodie\\"); }

bool isControl(unsigned char c, unsigned char next) {
    return c < 0x20 || c == 0x7F || (c == 0xC2 && next >= 0x80 && next <= 0x9F);  // C0, DEL, C1 in UTF-8
}

void mostraMelodiaCaricata(frmKeloTrundo15& f, const std::vector<RecordValue>& values) {
    PreparaRivelazione(f);
    SegnaNuovaMelodia(f);
    applyMelodyRecord(f, values);
    // The chord names the record shows come back only through the reveal.
    for (int k = 1; k <= 16; ++k) {
        Label& chord = f.lblArmonie[k];
        f.lblAccomp[k].BorderStyle = chord.Visible ? 1 : 0;
        chord.Visible = false;
    }
    AbilitaFile(f, false);
    f.lblPulsante[Pulsante::Esegui].Enabled = true;
    f.TmrMostraMelodiaDaFile.SetEnabled(true);
    f.cmdIncisi.Enabled = false;
}

}  // namespace

std::string NomeFileMelodia(std::string_view title) {
    std::string name;
    name.reserve(title.size());
    for (size_t i = 0; i < title.size(); ++i) {
        const auto c = static_cast<unsigned char>(title[i]);
        const auto next = i + 1 < title.size() ? static_cast<unsigned char>(title[i + 1]) : 0;
        if (isControl(c, next)) {
            if (c == 0xC2) ++i;
            name += ' ';
        } else if (c == '/' || c == '\\' || c == '|') {
            name += ' ';  // they stand between words
        } else if (std::string_view("<>:\"?*").find(static_cast<char>(c)) == std::string_view::npos) {
            name += static_cast<char>(c);
        }
    }
    if (name.size() > kNomeMassimo) {
        size_t cut = kNomeMassimo;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;  // whole characters only
        name.resize(cut);
    }
    // "." and ".." would name a folder and a leading dot hides the file; the
    // title's own closing dots ("C'era una volta...") stay.
    const size_t first = name.find_first_not_of(" .");
    if (first == std::string::npos) return "Kelo 2020.txt";
    name = name.substr(first, name.find_last_not_of(' ') - first + 1);
    if (!name.ends_with(kEstensione)) name += kEstensione;
    return name;
}

void SalvaMelodia(frmKeloTrundo15& f) {
    if (auto path = ScegliFileDaSalvare(f.CommonDialog1, melodyFolder(f), NomeFileMelodia(f.TxtTitolo.Text)))
        ScriviRecord(f, *path, collectMelodyRecord(f), kTitoloMessaggi);
    f.lblPuls[Puls::SalvaMelodia].BackColor = ColoreSpento;
}

void CaricaMelodia(frmKeloTrundo15& f) {
    if (auto path = ScegliFileDaAprire(f.CommonDialog1, melodyFolder(f)))
        if (auto values = LeggiRecord(f, *path, readMelodyRecord, kTitoloMessaggi)) mostraMelodiaCaricata(f, *values);
    f.lblPuls[Puls::CaricaMelodia].BackColor = ColoreSpento;
}

}  // namespace kelo
