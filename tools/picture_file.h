#pragma once
// Pictures are stored as JPEG files.
#include <QImage>
#include <filesystem>

namespace kelo::datatree {

// Throws std::runtime_error when the file cannot be written.
void saveJpeg(const QImage& picture, const std::filesystem::path& file);

}  // namespace kelo::datatree
