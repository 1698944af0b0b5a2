#pragma once
// The user's own settings record, "Kelo 2020\Dati\User.txt" under lblDir: read
// once at start, written once at exit.
#include <string>

namespace kelo {

struct frmKeloTrundo15;

std::string userSettingsPath(const frmKeloTrundo15& f);

// Loads the user's record into the tables. A missing or unusable file leaves a
// message, is moved aside with ".bad" (".bad.2", ... when older copies are there;
// never deleted) and the window starts from the factory settings.
void CaricaImpostazioniUtente(frmKeloTrundo15& f);

// Writes the tables to the user's record through a temporary file, so a failed
// write keeps the old file. A file in its place that is no usable record (one the
// start could not move aside, or one spoiled since) is never replaced: nothing is
// saved. On failure it shows a message that names the file and returns false; the
// caller goes on either way.
bool SalvaImpostazioniUtente(frmKeloTrundo15& f);

}  // namespace kelo
