#include "platform/local_files.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <optional>
#include <system_error>
#include <utility>

namespace kelo {

namespace fs = std::filesystem;

namespace {

constexpr int kMostCopies = 1000;  // of one file moved aside
constexpr const char* kTemporaryPrefix = ".kelo-save-";
constexpr mode_t kPermissions = 0777;  // read, write and run for owner, group and others

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // A close can report a write that failed late.
    bool close() { return ::close(std::exchange(fd_, -1)) == 0; }

private:
    int fd_;
};

// The file a save replaces, and what the new one keeps of it.
struct SaveTarget {
    fs::path file;                    // at the end of the links, if the path is one
    std::optional<struct stat> kept;  // the old file's owner and permissions; none for a new file
};

// Nothing when the path leads to no regular file, or to one the program may not
// write: the save must refuse it as opening it for writing would.
std::optional<SaveTarget> saveTargetOf(const fs::path& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT ? std::optional(SaveTarget{path, {}}) : std::nullopt;
    SaveTarget target{path, st};
    if (S_ISLNK(st.st_mode)) {
        // Written through: the link, perhaps into a synced folder, stays a link.
        std::error_code ec;
        target.file = fs::canonical(path, ec);
        if (ec || ::stat(target.file.c_str(), &*target.kept) != 0) return std::nullopt;
    }
    if (!S_ISREG(target.kept->st_mode) || ::faccessat(AT_FDCWD, target.file.c_str(), W_OK, AT_EACCESS) != 0)
        return std::nullopt;
    return target;
}

// The new file gets the old one's owner, where the program may give it, and its
// permissions, which the umask may have narrowed at the creation.
bool keepOwnerAndPermissions(int fd, const struct stat& old) {
    struct stat now {};
    if (::fstat(fd, &now) != 0) return false;
    if (now.st_uid != old.st_uid || now.st_gid != old.st_gid) (void)::fchown(fd, old.st_uid, old.st_gid);
    return (now.st_mode & kPermissions) == (old.st_mode & kPermissions) ||
           ::fchmod(fd, old.st_mode & kPermissions) == 0;
}

bool writeWhole(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        content.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// A new file of this save's own beside `target`, open for writing, or -1. Made
// exclusively, it is never a file that was there before, not even a pipe or a
// link, nor one that another save is writing. Its name is hidden and ends in no
// extension, so no dialog lists it, and its length does not grow with the
// target's, so it fits wherever the target's name does.
int createTemporaryBeside(const fs::path& target, mode_t mode, fs::path& temp) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        unsigned char bytes[8];
        if (::getrandom(bytes, sizeof bytes, 0) != static_cast<ssize_t>(sizeof bytes)) return -1;
        std::string suffix;
        for (unsigned char b : bytes) suffix += kLetters[b % (sizeof kLetters - 1)];
        temp = target.parent_path() / (kTemporaryPrefix + suffix);
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

void syncFolder(const fs::path& folder) {
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
}

}  // namespace

fs::path LocalFileSystem::resolve(std::string_view dataPath, bool& reachable) const {
    reachable = true;
    // A backslash in a native path is part of a name: read as a separator it
    // would write over another file than the one the dialog named.
    if (isNativePath(dataPath)) return fs::path(dataPath);
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

FileRead LocalFileSystem::read(std::string_view dataPath, size_t limit) {
    bool ok = false;
    const fs::path p = resolve(dataPath, ok);
    if (!ok) return {};
    // Without O_NONBLOCK a pipe would hold the program until someone writes to it.
    Descriptor in(::open(p.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (in.get() < 0)
        return {errno == ENOENT || errno == ENOTDIR ? FileRead::Outcome::Missing : FileRead::Outcome::Unreadable, {}};
    struct stat st {};
    if (::fstat(in.get(), &st) != 0 || !S_ISREG(st.st_mode)) return {FileRead::Outcome::Unreadable, {}};
    if (static_cast<uintmax_t>(st.st_size) > limit) return {FileRead::Outcome::TooLarge, {}};
    // The size can change while we read: the limit holds whatever it said.
    FileRead r{FileRead::Outcome::Read, {}};
    char buffer[16384];
    while (true) {
        const ssize_t n = ::read(in.get(), buffer, std::min(sizeof buffer, limit + 1 - r.content.size()));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return {FileRead::Outcome::Unreadable, {}};
        if (n == 0) return r;
        r.content.append(buffer, static_cast<size_t>(n));
        if (r.content.size() > limit) return {FileRead::Outcome::TooLarge, {}};
    }
}

bool LocalFileSystem::writeAtomically(std::string_view dataPath, std::string_view content) {
    bool ok = false;
    const fs::path path = resolve(dataPath, ok);
    const std::optional<SaveTarget> target = ok ? saveTargetOf(path) : std::nullopt;
    if (!target) return false;
    // Never wider than the old file's permissions, even for a moment: a reader who
    // opened it then could read the content later. A new file gets 0666 less the
    // umask, as any other.
    const mode_t mode = target->kept ? target->kept->st_mode & kPermissions : 0666;
    fs::path temp;
    Descriptor out(createTemporaryBeside(target->file, mode, temp));
    if (out.get() < 0) return false;
    // On disk before the rename makes it the file: a power cut then leaves the old
    // file or the new one, never an empty one.
    if ((target->kept && !keepOwnerAndPermissions(out.get(), *target->kept)) || !writeWhole(out.get(), content) ||
        ::fsync(out.get()) != 0 || !out.close() || ::rename(temp.c_str(), target->file.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    // The rename itself lasts only once the folder is on disk. The file is in place
    // by now, so a folder that cannot be flushed leaves nothing to report.
    syncFolder(target->file.has_parent_path() ? target->file.parent_path() : fs::path("."));
    return true;
}

std::optional<std::string> LocalFileSystem::moveAside(std::string_view dataPath, std::string_view suffix) {
    bool ok = false;
    const fs::path from = resolve(dataPath, ok);
    struct stat st {};
    if (!ok || ::stat(from.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    for (int n = 1; n <= kMostCopies; ++n) {
        std::string aside = std::string(dataPath) + std::string(suffix) + (n == 1 ? "" : "." + std::to_string(n));
        const fs::path to = resolve(aside, ok);
        if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return aside;
        if (errno == EEXIST) continue;
        if (errno != EINVAL && errno != ENOSYS) return std::nullopt;
        // A file system that cannot refuse to replace: look before moving.
        struct stat there {};
        if (::lstat(to.c_str(), &there) == 0) continue;
        return ::rename(from.c_str(), to.c_str()) == 0 ? std::optional(aside) : std::nullopt;
    }
    return std::nullopt;
}

}  // namespace kelo
