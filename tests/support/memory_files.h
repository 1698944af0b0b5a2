#pragma once
// Files held in memory under their data paths, so a fuzz run touches no disk.
#include <map>
#include <string>

#include "platform/services.h"

namespace kelo::support {

class MemoryFiles : public FileSystem {
public:
    bool exists(std::string_view dataPath) override { return files.find(dataPath) != files.end(); }
    FileRead read(std::string_view dataPath, size_t limit) override;
    bool writeAtomically(std::string_view dataPath, std::string_view content) override;
    std::optional<std::string> moveAside(std::string_view dataPath, std::string_view suffix) override;
    std::string nativePath(std::string_view dataPath) override { return std::string(dataPath); }

    std::map<std::string, std::string, std::less<>> files;
};

}  // namespace kelo::support
