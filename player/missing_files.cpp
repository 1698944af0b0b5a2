#include "player/missing_files.h"

#include "model/main_window.h"

namespace kelo {

namespace {

bool disponibile(frmKeloTrundo15& f, const std::string& dataPath, bool (*decodable)(Platform&, const std::string&)) {
    const bool present = f.sys.files.exists(dataPath);
    if (present && decodable(f.sys, dataPath)) return true;
    if (f.lblFileMancante.Caption.empty()) {
        f.lblFileMancante.Caption = dataPath;
        const std::string file = "\"" + f.sys.files.nativePath(dataPath) + "\"";
        f.sys.display.message(present ? "File illeggibile" : "File mancante",
                              (present ? "Il file " + file + " non si può leggere" : "Manca il file " + file) +
                                  ". Kelo va avanti senza: al suo posto restano il rigo vuoto "
                                  "o il silenzio.");
    }
    return false;
}

}  // namespace

bool FiguraDisponibile(frmKeloTrundo15& f, const std::string& dataPath) {
    return disponibile(f, dataPath, [](Platform& sys, const std::string& p) { return sys.display.showable(p); });
}

bool CampioneDisponibile(frmKeloTrundo15& f, const std::string& dataPath) {
    return disponibile(f, dataPath, [](Platform& sys, const std::string& p) { return sys.sound.playable(p); });
}

}  // namespace kelo
