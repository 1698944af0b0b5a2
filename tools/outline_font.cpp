#include "outline_font.h"

#include <QTransform>
#include <stdexcept>
#include <string>

namespace kelo::datatree {

namespace {
constexpr double kUnitSize = 1000.0;
}

OutlineFont::OutlineFont(const char* fontFile) : font_(QString::fromUtf8(fontFile), kUnitSize), file_(fontFile) {
    if (!font_.isValid()) {
        throw std::runtime_error(std::string("cannot read the font ") + fontFile);
    }
}

QPainterPath OutlineFont::glyph(char32_t codePoint) const {
    const QString s = QString::fromUcs4(&codePoint, 1);
    const QList<quint32> indexes = font_.glyphIndexesForString(s);
    if (indexes.size() != 1 || indexes.front() == 0) {
        throw std::runtime_error("the font " + file_.toStdString() + " has no glyph U+" +
                                 QString::number(static_cast<uint>(codePoint), 16).toUpper().toStdString());
    }
    return font_.pathForGlyph(indexes.front());
}

QPainterPath OutlineFont::text(const QString& line, double pixelSize) const {
    const QList<quint32> indexes = font_.glyphIndexesForString(line);
    const QList<QPointF> advances = font_.advancesForGlyphIndexes(indexes, QRawFont::KernedAdvances);
    QPainterPath path;
    double x = 0;
    for (qsizetype i = 0; i < indexes.size(); ++i) {
        path.addPath(font_.pathForGlyph(indexes[i]).translated(x, 0));
        x += advances[i].x();
    }
    const double k = pixelSize / kUnitSize;
    return QTransform::fromScale(k, k).map(path);
}

}  // namespace kelo::datatree
