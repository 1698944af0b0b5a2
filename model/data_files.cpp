#include "model/data_files.h"

namespace kelo {

std::string DataPath(const std::string& root, const char* rest) { return root + "Kelo 2020\\" + rest; }

const char* const kMarkerFile = "Kelo.ini";

const char* const kPersonaLines[kPersonaLineCount] = {
    "Kelo01 Saluto.wav",
    "Kelo02 Mi piace.wav",
    "Kelo03 Che ne dite.wav",
    "Kelo04 Nuova melodia.wav",
    "Kelo05 Ascoltate.wav",
    "Kelo06 Di getto.wav",
    "Kelo07 Niente male.wav",
    "Kelo08 Capolavoro.wav",
    "Kelo09 Canticchiare.wav",
    "Kelo10 Qualcosa di nuovo.wav",
    "Kelo11 Col cuore.wav",
    "Kelo12 Ispirazione.wav",
    "Kelo13 Addio.wav",
};

}  // namespace kelo
