#include "picture_file.h"

#include <QString>
#include <stdexcept>

namespace kelo::datatree {

namespace {
constexpr int kJpegQuality = 92;
}

void saveJpeg(const QImage& picture, const std::filesystem::path& file) {
    if (!picture.save(QString::fromStdString(file.string()), "JPG", kJpegQuality)) {
        throw std::runtime_error("cannot write the picture " + file.string());
    }
}

}  // namespace kelo::datatree
