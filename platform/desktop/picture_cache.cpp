#include "platform/desktop/picture_cache.h"

#include <QImageReader>
#include <QPainter>

#include "platform/services.h"

namespace kelo {

PictureCache::Entry& PictureCache::entry(const std::string& dataPath) {
    auto it = entries_.find(dataPath);
    if (it != entries_.end()) return it->second;
    Entry e;
    QImageReader reader(QString::fromStdString(files_.nativePath(dataPath)));
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (!image.isNull()) e.original = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return entries_.emplace(dataPath, std::move(e)).first->second;
}

const QImage& PictureCache::original(const std::string& dataPath) { return entry(dataPath).original; }

const QImage& PictureCache::stretched(const std::string& dataPath, QSize size) {
    Entry& e = entry(dataPath);
    if (e.original.isNull() || e.original.size() == size) return e.original;
    auto key = std::make_tuple(0, size.width(), size.height());
    auto it = e.variants.find(key);
    if (it != e.variants.end()) return it->second;
    QImage scaled = e.original.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return e.variants.emplace(key, std::move(scaled)).first->second;
}

const QImage& PictureCache::fitted(const std::string& dataPath, QSize size, bool greyed) {
    Entry& e = entry(dataPath);
    if (e.original.isNull()) return e.original;
    auto key = std::make_tuple(greyed ? 2 : 1, size.width(), size.height());
    auto it = e.variants.find(key);
    if (it != e.variants.end()) return it->second;
    QImage scaled = e.original.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (greyed) {
        // The classic disabled look: the picture in grey, washed out.
        QImage grey =
            scaled.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QImage faded(grey.size(), QImage::Format_ARGB32_Premultiplied);
        faded.fill(Qt::transparent);
        QPainter p(&faded);
        p.setOpacity(0.45);
        p.drawImage(0, 0, grey);
        p.end();
        scaled = faded;
    }
    return e.variants.emplace(key, std::move(scaled)).first->second;
}

}  // namespace kelo
