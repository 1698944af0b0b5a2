#include "seed_files.h"

#include <cstdio>
#include <fstream>

namespace kelo::fuzz {

Lines recordLines(const std::string& text) {
    Lines lines;
    for (size_t p = 0, e; (e = text.find("\r\n", p)) != std::string::npos; p = e + 2) lines.push_back(text.substr(p, e - p));
    return lines;
}

std::string join(const Lines& lines, const char* end) {
    std::string s;
    for (const std::string& l : lines) s += l + end;
    return s;
}

Lines with(Lines lines, std::vector<std::pair<int, std::string>> changes) {
    for (auto& [n, text] : changes) lines.at(static_cast<size_t>(n - 1)) = std::move(text);
    return lines;
}

int writeSeeds(const std::filesystem::path& folder, std::span<const Seed> seeds,
               RecordCheck (*read)(std::string_view content)) {
    std::filesystem::create_directories(folder);
    int wrong = 0;
    for (const Seed& s : seeds) {
        RecordCheck check = read(s.content);
        if (check.badLine != s.badLine) {
            std::fprintf(stderr, "%s: line %d instead of %d (%s)\n", s.name, check.badLine, s.badLine, check.reason.c_str());
            ++wrong;
        }
        std::ofstream(folder / s.name, std::ios::binary) << s.content;
    }
    return wrong;
}

}  // namespace kelo::fuzz
