#pragma once
// Data files that the score and the playback read at each use. A missing or
// unreadable one must not end the program, whose settings are saved only at
// exit: the slot stays empty or the sample silent, and the first such file of the
// run is named in one message.
#include <string>

namespace kelo {

struct frmKeloTrundo15;

// True when the picture can be shown; otherwise false, and reported when it is the first of the run.
bool FiguraDisponibile(frmKeloTrundo15& f, const std::string& dataPath);
// True when the sample can be played; otherwise false, reported likewise.
bool CampioneDisponibile(frmKeloTrundo15& f, const std::string& dataPath);

}  // namespace kelo
