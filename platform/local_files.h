#pragma once
// The file system as the program sees it: data paths with backslashes, turned
// into native paths here. A drive prefix ("C:\") maps under `driveRoot`; with no
// drive root such paths simply do not exist on this machine.
#include <filesystem>

#include "platform/services.h"

namespace kelo {

class LocalFileSystem : public FileSystem {
public:
    explicit LocalFileSystem(std::filesystem::path workingFolder = {}, std::filesystem::path driveRoot = {})
        : working_(std::move(workingFolder)), driveRoot_(std::move(driveRoot)) {}

    void setWorkingFolder(std::filesystem::path p) { working_ = std::move(p); }
    void setDriveRoot(std::filesystem::path p) { driveRoot_ = std::move(p); }

    bool exists(std::string_view dataPath) override;
    FileRead read(std::string_view dataPath, size_t limit) override;
    bool writeAtomically(std::string_view dataPath, std::string_view content) override;
    std::optional<std::string> moveAside(std::string_view dataPath, std::string_view suffix) override;
    std::string nativePath(std::string_view dataPath) override;

private:
    std::filesystem::path resolve(std::string_view dataPath, bool& reachable) const;

    std::filesystem::path working_;
    std::filesystem::path driveRoot_;
};

}  // namespace kelo
