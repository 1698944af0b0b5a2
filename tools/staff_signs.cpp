#include "staff_signs.h"

#include <QPainter>
#include <QTransform>
#include <algorithm>

#include "staff_geometry.h"

namespace kelo::datatree {

namespace {

using namespace staff;

constexpr double kRoom = kWidth - 2 * kSideMargin;

void fill(QImage& picture, const QPainterPath& path) {
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(path, Qt::black);
}

// Places `path` (bottom staff line at y = 0) on the picture's staff, centred across.
QPainterPath onPictureStaff(const QPainterPath& path) {
    const QRectF box = path.boundingRect();
    return path.translated(kWidth / 2.0 - box.center().x(), kBottomLineY);
}

}  // namespace

void engraveQuarterRest(QImage& picture, const MusicSymbols& symbols) {
    fill(picture, onPictureStaff(symbols.onStaff(glyphs::kQuarterRest, kSpace)));
}

void engraveTrebleClef(QImage& picture, const MusicSymbols& symbols) {
    // The clef is wider than the box: it shrinks about its G line, which it keeps circling.
    const QPainterPath clef = symbols.onStaff(glyphs::kTrebleClef, kSpace);
    const QRectF box = clef.boundingRect();
    const double k = std::min(1.0, kRoom / box.width());
    QTransform t;
    t.translate(kWidth / 2.0, lineY(1));
    t.scale(k, k);
    t.translate(-box.center().x(), kSpace);  // the G line lies one space above the bottom line
    fill(picture, t.map(clef));
}

void engraveTimeSignature(QImage& picture, const OutlineFont& figures, char upper, char lower) {
    auto figure = [&](char c, double top, double bottom) {
        const QPainterPath path = figures.glyph(static_cast<char32_t>(c));
        const QRectF box = path.boundingRect();
        const double k = (bottom - top) / box.height();
        QTransform t;
        t.translate(kWidth / 2.0, top);
        t.scale(k, k);
        t.translate(-box.center().x(), -box.top());
        return t.map(path);
    };
    QPainterPath both = figure(upper, lineY(4), lineY(2));
    both.addPath(figure(lower, lineY(2), lineY(0)));
    fill(picture, both);
}

}  // namespace kelo::datatree
