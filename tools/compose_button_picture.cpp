// The compose button: two beamed notes with a spark of inspiration.
// 735 x 735 twips on the window (49 x 49 pixels), rendered four times larger.
#include <QPainter>
#include <QRadialGradient>

#include "artwork.h"
#include "artwork_kit.h"
#include "decorative_staff.h"

namespace kelo::datatree {

namespace {
constexpr int kSide = 49 * 4;
}  // namespace

QImage drawComposeButton(const MusicSymbols& symbols) {
    QImage picture(kSide, kSide, QImage::Format_RGB32);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);

    QRadialGradient ground(QPointF(kSide * 0.42, kSide * 0.4), kSide * 0.75);
    ground.setColorAt(0.0, QColor(255, 252, 240));
    ground.setColorAt(0.7, QColor(250, 234, 196));
    ground.setColorAt(1.0, QColor(236, 206, 150));
    p.fillRect(picture.rect(), ground);

    // A round badge behind the notes.
    QRadialGradient badge(QPointF(kSide * 0.45, kSide * 0.45), kSide * 0.42);
    badge.setColorAt(0.0, QColor(46, 96, 196));
    badge.setColorAt(1.0, QColor(16, 40, 110));
    p.setPen(QPen(QColor(214, 152, 52), 5));
    p.setBrush(badge);
    p.drawEllipse(QPointF(kSide * 0.46, kSide * 0.54), kSide * 0.38, kSide * 0.38);

    // Two eighths on an invisible staff, in gold on the badge.
    const double space = 22;
    const DecorativeStaff staff(symbols, 0, kSide, 150, space);
    const QBrush ink(QColor(255, 226, 140));
    staff.beamedPair(p, 40, 0, 96, 2, ink);

    // The spark.
    const QColor spark(255, 214, 72);
    const QColor edge(150, 92, 12);
    p.setPen(QPen(edge, 3));
    p.setBrush(spark);
    p.drawPath(sparkle(QPointF(154, 44), 34));
    p.drawPath(sparkle(QPointF(178, 92), 13));
    p.setPen(Qt::NoPen);
    p.drawPath(sparkle(QPointF(124, 18), 9));
    return picture;
}

}  // namespace kelo::datatree
