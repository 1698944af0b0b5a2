#include "decorative_staff.h"

#include <QPainterPath>
#include <algorithm>

namespace kelo::datatree {

namespace {
constexpr double kStemSpaces = 3.5;
constexpr double kStemWidthSpaces = 0.12;
constexpr double kBeamSpaces = 0.5;
}  // namespace

void DecorativeStaff::lines(QPainter& p, const QColor& colour, double thickness) const {
    for (int line = 0; line < 5; ++line) {
        p.fillRect(QRectF(left_, stepY(2 * line) - thickness / 2, right_ - left_, thickness), colour);
    }
}

void DecorativeStaff::clef(QPainter& p, double x, const QBrush& ink) const {
    const QPainterPath clef = symbols_.onStaff(glyphs::kTrebleClef, space_);
    p.fillPath(clef.translated(x - clef.boundingRect().left(), bottom_), ink);
}

void DecorativeStaff::barLine(QPainter& p, double x, const QBrush& ink) const {
    p.fillRect(QRectF(x, stepY(8), space_ * kStemWidthSpaces, 4 * space_), ink);
}

QRectF DecorativeStaff::head(QPainter& p, double x, int step, const QBrush& ink) const {
    const QPainterPath head = symbols_.onStaff(glyphs::kBlackHead, space_);
    const QRectF box = head.boundingRect();
    const QPointF shift(x - box.left(), stepY(step) - box.center().y());
    p.fillPath(head.translated(shift), ink);
    // Ledger lines below and above the staff.
    const double overhang = 0.3 * space_;
    auto ledger = [&](int s) {
        p.fillRect(QRectF(x - overhang, stepY(s) - space_ * 0.06, box.width() + 2 * overhang, space_ * 0.12), ink);
    };
    for (int s = -2; s >= step; s -= 2) ledger(s);
    for (int s = 10; s <= step; s += 2) ledger(s);
    return box.translated(shift);
}

void DecorativeStaff::note(QPainter& p, double x, int step, const QBrush& ink) const {
    const QRectF box = head(p, x, step, ink);
    const double w = space_ * kStemWidthSpaces;
    const double y = stepY(step);
    const double join = MusicSymbols::kStemJoin * space_;
    if (step < 4) {
        p.fillRect(QRectF(box.right() - w, y - kStemSpaces * space_, w, kStemSpaces * space_ - join), ink);
    } else {
        p.fillRect(QRectF(box.left(), y + join, w, kStemSpaces * space_ - join), ink);
    }
}

void DecorativeStaff::beamedPair(QPainter& p, double x1, int step1, double x2, int step2, const QBrush& ink) const {
    const QRectF a = head(p, x1, step1, ink);
    const QRectF b = head(p, x2, step2, ink);
    const double w = space_ * kStemWidthSpaces;
    const double join = MusicSymbols::kStemJoin * space_;
    // The beam slants with the notes, but gently.
    const double topA = stepY(std::max(step1, step2)) - kStemSpaces * space_;
    const double slant = std::clamp((stepY(step2) - stepY(step1)) * 0.25, -space_ / 2, space_ / 2);
    const double tipA = topA - std::min(0.0, slant);
    const double tipB = tipA + slant;
    p.fillRect(QRectF(a.right() - w, tipA, w, stepY(step1) - join - tipA), ink);
    p.fillRect(QRectF(b.right() - w, tipB, w, stepY(step2) - join - tipB), ink);
    QPainterPath beam;
    const double thick = kBeamSpaces * space_;
    beam.moveTo(a.right() - w, tipA);
    beam.lineTo(b.right(), tipB);
    beam.lineTo(b.right(), tipB + thick);
    beam.lineTo(a.right() - w, tipA + thick);
    beam.closeSubpath();
    p.fillPath(beam, ink);
}

}  // namespace kelo::datatree
