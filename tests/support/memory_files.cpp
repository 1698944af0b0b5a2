#include "support/memory_files.h"

namespace kelo::support {

FileRead MemoryFiles::read(std::string_view dataPath, size_t limit) {
    auto it = files.find(dataPath);
    if (it == files.end()) return {};
    if (it->second.size() > limit) return {FileRead::Outcome::TooLarge, {}};
    return {FileRead::Outcome::Read, it->second};
}

bool MemoryFiles::writeAtomically(std::string_view dataPath, std::string_view content) {
    files.insert_or_assign(std::string(dataPath), std::string(content));
    return true;
}

std::optional<std::string> MemoryFiles::moveAside(std::string_view dataPath, std::string_view suffix) {
    auto it = files.find(dataPath);
    if (it == files.end()) return std::nullopt;
    std::string aside = std::string(dataPath) + std::string(suffix);
    for (int n = 2; files.contains(aside); ++n)
        aside = std::string(dataPath) + std::string(suffix) + "." + std::to_string(n);
    files.emplace(aside, std::move(it->second));
    files.erase(it);
    return aside;
}

}  // namespace kelo::support
