#include "tree_folders.h"

namespace kelo::datatree {

TreeFolders createTreeFolders(const std::filesystem::path& parent) {
    const std::filesystem::path root = parent / "Kelo 2020";
    TreeFolders folders{root,          root / "Grafica",      root / "Suoni",  root / "Kelo",
                        root / "Dati", root / "Impostazioni", root / "Melodie"};
    for (const auto& folder :
         {folders.grafica, folders.suoni, folders.kelo, folders.dati, folders.impostazioni, folders.melodie}) {
        std::filesystem::create_directories(folder);
    }
    return folders;
}

}  // namespace kelo::datatree
