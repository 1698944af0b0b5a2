#include "music_symbols.h"

#include <QTransform>
#include <algorithm>
#include <stdexcept>

namespace kelo::datatree {

MusicSymbols::MusicSymbols(const char* fontFile) : font_(fontFile) {
    // The font's five-line staff tells its staff space and where its bottom line sits.
    const QPainterPath staff = font_.glyph(glyphs::kFiveLineStaff);
    const QRectF all = staff.boundingRect();
    double thickness = all.height();
    for (const QPolygonF& line : staff.toSubpathPolygons()) {
        thickness = std::min(thickness, line.boundingRect().height());
    }
    unitsPerSpace_ = (all.height() - thickness) / 4.0;
    bottomLineUnits_ = all.bottom() - thickness / 2.0;
    if (unitsPerSpace_ <= 0) {
        throw std::runtime_error("the music font has no usable staff");
    }
}

QPainterPath MusicSymbols::onStaff(char32_t codePoint, double space) const {
    const double k = space / unitsPerSpace_;
    QTransform t;
    t.scale(k, k);
    t.translate(0, -bottomLineUnits_);
    return t.map(font_.glyph(codePoint));
}

}  // namespace kelo::datatree
