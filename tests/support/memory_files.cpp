#include "support/memory_files.h"

namespace kelo::support {

std::optional<std::string> MemoryFiles::readAll(std::string_view dataPath) {
    auto it = files.find(dataPath);
    if (it == files.end()) return std::nullopt;
    return it->second;
}

bool MemoryFiles::writeAtomically(std::string_view dataPath, std::string_view content) {
    files.insert_or_assign(std::string(dataPath), std::string(content));
    return true;
}

bool MemoryFiles::moveAside(std::string_view dataPath, std::string_view suffix) {
    auto it = files.find(dataPath);
    if (it == files.end()) return false;
    std::string content = std::move(it->second);
    files.erase(it);
    files.insert_or_assign(std::string(dataPath) + std::string(suffix), std::move(content));
    return true;
}

}  // namespace kelo::support
