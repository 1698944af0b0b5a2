#include "platform/desktop/twips.h"

#include <cstring>
#include <map>
#include <string>
#include <tuple>

namespace kelo {

namespace {
QString familyFor(const char* name) {
    if (std::strcmp(name, "MS Sans Serif") == 0 || std::strcmp(name, "Microsoft Sans Serif") == 0 ||
        std::strcmp(name, "Arial") == 0)
        return QStringLiteral("Liberation Sans");
    if (std::strcmp(name, "Times New Roman") == 0) return QStringLiteral("Liberation Serif");
    if (std::strcmp(name, "Courier New") == 0) return QStringLiteral("Liberation Mono");
    return QString::fromUtf8(name);
}
}  // namespace

QFont qtFont(const FontSpec& cellFont) {
    using Key = std::tuple<std::string, float, bool, bool>;
    static std::map<Key, QFont> cache;
    Key key{cellFont.Name ? cellFont.Name : "", cellFont.Size, cellFont.Bold, cellFont.Italic};
    auto it = cache.find(key);
    if (it != cache.end()) return it->second;
    QFont font(familyFor(cellFont.Name ? cellFont.Name : ""));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(cellFont.Size * 96.0f / 72.0f))));
    font.setBold(cellFont.Bold);
    font.setItalic(cellFont.Italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    return cache.emplace(key, font).first->second;
}

}  // namespace kelo
