#include "platform/local_files.h"

#include <cctype>
#include <fstream>
#include <sstream>
#include <system_error>

namespace kelo {

namespace fs = std::filesystem;

fs::path LocalFileSystem::resolve(std::string_view dataPath, bool& reachable) const {
    reachable = true;
    std::string p(dataPath);
    for (char& c : p)
        if (c == '\\') c = '/';
    bool drive = p.size() >= 2 && p[1] == ':' && std::isalpha(static_cast<unsigned char>(p[0]));
    if (drive) {
        if (driveRoot_.empty()) {
            reachable = false;
            return {};
        }
        std::string rest = p.substr(2);
        while (!rest.empty() && rest.front() == '/') rest.erase(0, 1);
        return driveRoot_ / std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(p[0])))) / rest;
    }
    if (!p.empty() && p.front() == '/') return fs::path(p);
    return working_.empty() ? fs::path(p) : working_ / p;
}

std::string LocalFileSystem::nativePath(std::string_view dataPath) {
    bool ok = false;
    return resolve(dataPath, ok).string();
}

bool LocalFileSystem::exists(std::string_view dataPath) {
    bool ok = false;
    fs::path p = resolve(dataPath, ok);
    std::error_code ec;
    return ok && fs::is_regular_file(p, ec);
}

std::optional<std::string> LocalFileSystem::readAll(std::string_view dataPath) {
    bool ok = false;
    fs::path p = resolve(dataPath, ok);
    if (!ok) return std::nullopt;
    std::ifstream in(p, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream s;
    s << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return s.str();
}

bool LocalFileSystem::writeAtomically(std::string_view dataPath, std::string_view content) {
    bool ok = false;
    fs::path target = resolve(dataPath, ok);
    if (!ok) return false;
    fs::path temp = target;
    temp += ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ec;
            fs::remove(temp, ec);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temp, target, ec);
    if (ec) {
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

bool LocalFileSystem::moveAside(std::string_view dataPath, std::string_view suffix) {
    bool ok = false;
    fs::path from = resolve(dataPath, ok);
    if (!ok) return false;
    fs::path to = from;
    to += std::string(suffix);
    std::error_code ec;
    fs::rename(from, to, ec);
    return !ec;
}

}  // namespace kelo
