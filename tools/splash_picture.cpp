// The splash: night-blue sky, the name in gold over a staff with a tune, a tagline.
// Drawn in window pixels (1024 x 768) and rendered larger for big screens.
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "artwork.h"
#include "artwork_kit.h"
#include "decorative_staff.h"
#include "font_files.h"
#include "outline_font.h"

namespace kelo::datatree {

namespace {

constexpr double kWidth = 1024;
constexpr double kHeight = 768;
constexpr double kRender = 1.5;
// The window writes a credit line and the version over the bottom band: it stays calm.
constexpr double kCalmBandTop = 700;

void sky(QPainter& p) {
    QLinearGradient night(0, 0, 0, kHeight);
    night.setColorAt(0.0, QColor(9, 22, 66));
    night.setColorAt(0.5, QColor(22, 56, 134));
    night.setColorAt(0.86, QColor(11, 30, 82));
    night.setColorAt(1.0, QColor(5, 12, 38));
    p.fillRect(QRectF(0, 0, kWidth, kHeight), night);

    QRadialGradient glow(QPointF(300, 220), 480);
    glow.setColorAt(0.0, QColor(120, 170, 255, 105));
    glow.setColorAt(1.0, QColor(120, 170, 255, 0));
    p.fillRect(QRectF(0, 0, kWidth, kCalmBandTop), glow);

    QRadialGradient violet(QPointF(840, 470), 360);
    violet.setColorAt(0.0, QColor(176, 112, 255, 70));
    violet.setColorAt(1.0, QColor(176, 112, 255, 0));
    p.fillRect(QRectF(0, 0, kWidth, kCalmBandTop), violet);
}

// Thin waves of sound drifting across the sky.
void waves(QPainter& p) {
    for (int i = 0; i < 7; ++i) {
        const double y = 430 + i * 9.0;
        QPainterPath wave;
        wave.moveTo(-20, y + 40);
        wave.cubicTo(260, y - 120 + i * 6, 620, y + 150 - i * 8, 1044, y - 30);
        p.strokePath(wave, QPen(QColor(150, 196, 255, 26 + 7 * i), 1.3));
    }
}

void title(QPainter& p) {
    const OutlineFont lettering(fonts::kSerifBoldItalic);
    const QPainterPath name = centredAt(lettering.text("Kelo-trundo 2020", 100), QPointF(kWidth / 2, 218));
    fillWithShadow(p, name, goldBrush(name.boundingRect()), QPointF(3, 5));
    p.strokePath(name, QPen(QColor(255, 250, 230, 90), 0.8));

    // A gold rule with a diamond in the middle.
    const double y = 290;
    const QColor rule(246, 206, 110, 210);
    p.fillRect(QRectF(300, y - 0.8, 190, 1.6), rule);
    p.fillRect(QRectF(534, y - 0.8, 190, 1.6), rule);
    QPainterPath diamond;
    diamond.moveTo(512, y - 9);
    diamond.lineTo(521, y);
    diamond.lineTo(512, y + 9);
    diamond.lineTo(503, y);
    diamond.closeSubpath();
    p.fillPath(diamond, rule);
}

// A staff across the middle carrying the first bars of a tune.
void tune(QPainter& p, const MusicSymbols& symbols) {
    const double space = 15;
    const DecorativeStaff staff(symbols, 150, 874, 448, space);
    staff.lines(p, QColor(226, 236, 255, 150), 1.5);
    const QBrush ink(QColor(255, 222, 128));
    const QBrush pale(QColor(226, 236, 255, 200));
    staff.clef(p, 162, pale);
    staff.note(p, 240, 0, ink);
    staff.beamedPair(p, 300, 2, 350, 3, ink);
    staff.note(p, 410, 4, ink);
    staff.note(p, 470, 2, ink);
    staff.barLine(p, 530, pale);
    staff.note(p, 565, 5, ink);
    staff.beamedPair(p, 625, 3, 675, 1, ink);
    staff.note(p, 735, 2, ink);
    staff.note(p, 795, -2, ink);
    staff.barLine(p, 866, pale);
    p.fillRect(QRectF(870, staff.stepY(8), 4, 4 * space), pale);
}

void tagline(QPainter& p) {
    const OutlineFont italic(fonts::kSerifItalic);
    const QPainterPath line =
        centredAt(italic.text("Melodie sempre nuove, composte per voi", 30), QPointF(kWidth / 2, 568));
    p.fillPath(line, QColor(214, 228, 255, 220));
    const QPainterPath small = centredAt(italic.text("il compositore che non dorme mai", 20), QPointF(kWidth / 2, 606));
    p.fillPath(small, QColor(180, 200, 245, 150));
}

void sparkles(QPainter& p) {
    const QColor gold(255, 232, 160, 230);
    p.fillPath(sparkle(QPointF(900, 132), 16), gold);
    p.fillPath(sparkle(QPointF(928, 160), 7), gold);
    p.fillPath(sparkle(QPointF(176, 300), 9), QColor(220, 232, 255, 200));
    p.fillPath(sparkle(QPointF(902, 392), 6), QColor(220, 232, 255, 200));
}

void calmBand(QPainter& p) {
    QLinearGradient fade(0, kCalmBandTop - 40, 0, kHeight);
    fade.setColorAt(0.0, QColor(5, 12, 38, 0));
    fade.setColorAt(0.4, QColor(5, 12, 38, 200));
    fade.setColorAt(1.0, QColor(4, 9, 30, 255));
    p.fillRect(QRectF(0, kCalmBandTop - 40, kWidth, kHeight - kCalmBandTop + 40), fade);
    p.fillRect(QRectF(60, kCalmBandTop - 6, kWidth - 120, 1), QColor(246, 206, 110, 60));
}

}  // namespace

QImage drawSplash(const MusicSymbols& symbols) {
    QImage picture(static_cast<int>(kWidth * kRender), static_cast<int>(kHeight * kRender), QImage::Format_RGB32);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kRender, kRender);
    sky(p);
    scatterStars(p, QRectF(0, 0, kWidth, kCalmBandTop - 60), 140, 2020);
    waves(p);
    tune(p, symbols);
    title(p);
    tagline(p);
    sparkles(p);
    calmBand(p);
    return picture;
}

}  // namespace kelo::datatree
