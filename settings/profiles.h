#pragma once
// Named settings profiles: the whole settings record saved to a file the user
// names in "Kelo 2020\Impostazioni\" (or wherever the dialog goes), and loaded back.
// The profile's name is line 1 of the record, never the file's name.
namespace kelo {

struct frmKeloTrundo15;

// "Save" under "DATI": the save dialog proposes "Nuova.txt".
void SalvaImpostazioni(frmKeloTrundo15& f);
// "Load" under "DATI": a record checked whole replaces the settings and the link
// page on show; a record that fails changes nothing.
void CaricaImpostazioni(frmKeloTrundo15& f);

}  // namespace kelo
