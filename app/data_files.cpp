// (temporary on this branch: replaced by the data-tree branch's version)
#include "app/data_files.h"
namespace kelo {
const char* const kMarkerFile = "Kelo.ini";
const char* const kPersonaLines[13] = {"01.wav", "02.wav", "03.wav", "04.wav", "05.wav", "06.wav", "07.wav",
                                       "08.wav", "09.wav", "10.wav", "11.wav", "12.wav", "13.wav"};
}
