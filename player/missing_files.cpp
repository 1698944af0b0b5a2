#include "player/missing_files.h"

#include "model/main_window.h"

namespace kelo {

bool FileDisponibile(frmKeloTrundo15& f, const std::string& dataPath) {
    if (f.sys.files.exists(dataPath)) return true;
    if (f.lblFileMancante.Caption.empty()) {
        f.lblFileMancante.Caption = dataPath;
        f.sys.display.message("File mancante", "Manca il file \"" + f.sys.files.nativePath(dataPath) +
                                                   "\". Kelo va avanti senza: al suo posto restano il rigo vuoto "
                                                   "o il silenzio.");
    }
    return false;
}

}  // namespace kelo
