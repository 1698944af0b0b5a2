#include "artwork_kit.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <cstdint>

namespace kelo::datatree {

QBrush goldBrush(const QRectF& area) {
    QLinearGradient g(area.topLeft(), area.bottomLeft());
    g.setColorAt(0.0, QColor(255, 246, 206));
    g.setColorAt(0.45, QColor(250, 214, 120));
    g.setColorAt(1.0, QColor(214, 152, 52));
    return QBrush(g);
}

QPainterPath sparkle(QPointF centre, double radius) {
    const double waist = radius * 0.18;
    const double x = centre.x();
    const double y = centre.y();
    QPainterPath s;
    s.moveTo(x, y - radius);
    s.quadTo(x + waist, y - waist, x + radius, y);
    s.quadTo(x + waist, y + waist, x, y + radius);
    s.quadTo(x - waist, y + waist, x - radius, y);
    s.quadTo(x - waist, y - waist, x, y - radius);
    s.closeSubpath();
    return s;
}

void scatterStars(QPainter& p, const QRectF& area, int count, unsigned seed) {
    // A small linear congruential sequence: the same stars in every run.
    std::uint32_t state = seed;
    auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / static_cast<double>(1u << 24);
    };
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(area.left() + next() * area.width(), area.top() + next() * area.height());
        const double size = 0.6 + 1.6 * next() * next();
        const int alpha = 70 + static_cast<int>(150 * next());
        QRadialGradient glow(at, size * 3);
        glow.setColorAt(0.0, QColor(255, 255, 240, alpha));
        glow.setColorAt(0.35, QColor(220, 230, 255, alpha / 3));
        glow.setColorAt(1.0, QColor(220, 230, 255, 0));
        p.setBrush(glow);
        p.drawEllipse(at, size * 3, size * 3);
    }
    p.restore();
}

void fillWithShadow(QPainter& p, const QPainterPath& path, const QBrush& brush, QPointF offset) {
    // A few widening strokes of faint shadow give a soft edge without a blur pass.
    const QPainterPath shadow = path.translated(offset);
    for (int i = 4; i >= 1; --i) {
        p.strokePath(shadow, QPen(QColor(0, 4, 24, 34), i * 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    p.fillPath(shadow, QColor(0, 4, 24, 120));
    p.fillPath(path, brush);
}

QPainterPath centredAt(const QPainterPath& path, QPointF centre) {
    return path.translated(centre - path.boundingRect().center());
}

}  // namespace kelo::datatree
