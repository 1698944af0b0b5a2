#include "seed_files.h"

#include <cstdio>
#include <fstream>

namespace kelo::fuzz {

int writeSeeds(const std::filesystem::path& folder, std::span<const Seed> seeds,
               RecordCheck (*read)(std::string_view content)) {
    std::filesystem::create_directories(folder);
    int wrong = 0;
    for (const Seed& s : seeds) {
        RecordCheck check = read(s.content);
        if (check.badLine != s.badLine) {
            std::fprintf(stderr, "%s: line %d instead of %d (%s)\n", s.name, check.badLine, s.badLine,
                         check.reason.c_str());
            ++wrong;
        }
        std::ofstream(folder / s.name, std::ios::binary) << s.content;
    }
    return wrong;
}

}  // namespace kelo::fuzz
