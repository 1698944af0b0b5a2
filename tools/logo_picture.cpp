// The logo: the name in gold on a night-blue plate with a treble clef.
// 2775 x 615 twips on the window (185 x 41 pixels), rendered four times larger.
#include <QLinearGradient>
#include <QPainter>
#include <QTransform>

#include "artwork.h"
#include "artwork_kit.h"
#include "font_files.h"
#include "outline_font.h"

namespace kelo::datatree {

namespace {
constexpr int kWidth = 185 * 4;
constexpr int kHeight = 41 * 4;
}  // namespace

QImage drawLogo(const MusicSymbols& symbols) {
    QImage picture(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient plate(0, 0, kWidth, kHeight);
    plate.setColorAt(0.0, QColor(12, 30, 84));
    plate.setColorAt(0.55, QColor(28, 68, 152));
    plate.setColorAt(1.0, QColor(14, 34, 92));
    p.fillRect(picture.rect(), plate);
    scatterStars(p, QRectF(0, 0, kWidth, kHeight), 26, 41);
    p.setPen(QPen(QColor(246, 206, 110, 200), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(7, 7, kWidth - 14, kHeight - 14), 14, 14);

    // The clef, as tall as the plate allows.
    const QPainterPath clef = symbols.onStaff(glyphs::kTrebleClef, 100);
    const double k = (kHeight - 40) / clef.boundingRect().height();
    const QPainterPath small = QTransform::fromScale(k, k).map(clef);
    const QPainterPath placed = centredAt(small, QPointF(60, kHeight / 2.0));
    p.fillPath(placed, goldBrush(placed.boundingRect()));

    const OutlineFont lettering(fonts::kSerifBoldItalic);
    QPainterPath name = lettering.text("Kelo-trundo", 96);
    QPainterPath year = lettering.text("2020", 64).translated(name.boundingRect().right() + 22, 0);
    // Both words share a baseline; the pair is fitted right of the clef.
    const QRectF both = name.boundingRect().united(year.boundingRect());
    const double room = kWidth - 130 - 28;
    const double fit = std::min(1.0, room / both.width());
    QTransform t;
    t.translate(118 + (room - both.width() * fit) / 2, kHeight / 2.0 + both.height() * fit / 2 - 6);
    t.scale(fit, fit);
    t.translate(-both.left(), -both.bottom());
    name = t.map(name);
    year = t.map(year);
    fillWithShadow(p, name, goldBrush(name.boundingRect()), QPointF(2, 3));
    fillWithShadow(p, year, QColor(214, 228, 255), QPointF(2, 3));
    return picture;
}

}  // namespace kelo::datatree
