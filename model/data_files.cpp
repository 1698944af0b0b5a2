#include "model/data_files.h"

namespace kelo {

std::string DataPath(const std::string& root, const char* rest) { return root + "Kelo 2020\\" + rest; }

const char* const kMarkerFile = "Kelo.ini";

const char* const kPersonaLines[kPersonaLineCount] = {
    "Kelo01 Saluto.wav",       "Kelo02 Mi piace.wav",          "Kelo03 Che ne dite.wav", "Kelo04 Nuova melodia.wav",
    "Kelo05 Ascoltate.wav",    "Kelo06 Di getto.wav",          "Kelo07 Niente male.wav", "Kelo08 Capolavoro.wav",
    "Kelo09 Canticchiare.wav", "Kelo10 Qualcosa di nuovo.wav", "Kelo11 Col cuore.wav",   "Kelo12 Ispirazione.wav",
    "Kelo13 Addio.wav",
};

const char* const kNoteSamples[kNoteSampleCount] = {"01 si.wav",  "02 DO.wav", "03 RE.wav", "04 MI.wav",  "05 FA.wav",
                                                    "06 SOL.wav", "07 LA.wav", "08 SI.wav", "09 do'.wav", "10 re'.wav"};

// Spelled as the installation spells them, mixed case included.
const char* const kChordSamples[kChordSampleCount] = {
    "DO+F1.wav",  "DO+F2.wav",  "DO+1R.wav",  "DO+2R.wav",  "FA+F.wav", "FA+1R.wav", "FA+2R.wav",
    "SOL+F1.wav", "SOL+F2.wav", "SOL+1R.wav", "SOL+2R.wav", "SOL7.wav", "Do-F1.wav", "Do-F2.wav",
    "Do-1R.wav",  "Do-2R.wav",  "Fa-F.wav",   "FA-1R.wav",  "FA-2R.wav"};

}  // namespace kelo
