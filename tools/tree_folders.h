#pragma once
// The folders of the data tree "Kelo 2020/".
#include <filesystem>

namespace kelo::datatree {

struct TreeFolders {
    std::filesystem::path root;  // .../Kelo 2020
    std::filesystem::path grafica;
    std::filesystem::path suoni;
    std::filesystem::path kelo;
    std::filesystem::path dati;
    std::filesystem::path impostazioni;
    std::filesystem::path melodie;
};

// Creates "Kelo 2020/" under `parent` with all its folders (existing ones are kept).
TreeFolders createTreeFolders(const std::filesystem::path& parent);

}  // namespace kelo::datatree
