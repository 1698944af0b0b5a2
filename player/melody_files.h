#pragma once
// The melody on show saved to a record file the user names, and a record loaded
// back, revealed and played like a new melody.
#include <string>
#include <string_view>

namespace kelo {

struct frmKeloTrundo15;

// "Save" under "MELODIE": the save dialog proposes the title as the file name.
void SalvaMelodia(frmKeloTrundo15& f);
// "Load" under "MELODIE": a record checked whole replaces the melody and is revealed;
// a record that fails changes nothing.
void CaricaMelodia(frmKeloTrundo15& f);

// The title as a file name that stays in the folder it is proposed in and that
// Windows, where the old program's files come from, can hold too: no folder
// separators, control characters or < > : " | ? *, no leading or trailing blanks
// and dots, not too long, with ".txt"; "Kelo 2020.txt" when nothing is left.
std::string NomeFileMelodia(std::string_view title);

}  // namespace kelo
