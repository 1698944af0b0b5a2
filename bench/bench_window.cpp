#include "bench_window.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace kelo::bench {

std::filesystem::path tempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kelo-bench-XXXXXX").string();
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    const char* made = mkdtemp(buf.data());
    if (!made) std::abort();
    return std::filesystem::path(made);
}

}  // namespace kelo::bench
