#pragma once
// Where the data tree lives: the last of seven fixed folders whose
// "Kelo 2020\Dati\" holds the installation's marker file, or "" (the working folder).
#include <string>

namespace kelo {

class FileSystem;

std::string TrovaCartellaInstallazione(FileSystem& files);

}  // namespace kelo
