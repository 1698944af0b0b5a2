#pragma once
// Pictures by data path, decoded once, and their scaled copies per size: the
// program may set the same picture hundreds of times.
#include <QImage>
#include <QSize>
#include <map>
#include <string>
#include <tuple>
#include <unordered_map>
#include <utility>

namespace kelo {

class FileSystem;

class PictureCache {
public:
    explicit PictureCache(FileSystem& files) : files_(files) {}

    // The decoded picture; a null image when the file is missing or unreadable.
    const QImage& original(const std::string& dataPath);
    // Stretched to exactly `size`, smoothly.
    const QImage& stretched(const std::string& dataPath, QSize size);
    // Scaled to fit inside `size`, keeping its proportions; greyed for a disabled button.
    const QImage& fitted(const std::string& dataPath, QSize size, bool greyed);

private:
    struct Entry {
        QImage original;
        std::map<std::tuple<int, int, int>, QImage> variants;  // (kind, width, height)
    };
    Entry& entry(const std::string& dataPath);

    FileSystem& files_;
    std::unordered_map<std::string, Entry> entries_;
};

}  // namespace kelo
