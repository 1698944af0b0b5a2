#pragma once
// A staff drawn as decoration on the designed pictures: any size, any colour,
// with beamed notes the score pictures never need.
#include <QBrush>
#include <QPainter>

#include "music_symbols.h"

namespace kelo::datatree {

class DecorativeStaff {
public:
    DecorativeStaff(const MusicSymbols& symbols, double left, double right, double bottomLineY, double space)
        : symbols_(symbols), left_(left), right_(right), bottom_(bottomLineY), space_(space) {}

    double stepY(int step) const { return bottom_ - step * space_ / 2; }

    void lines(QPainter& p, const QColor& colour, double thickness) const;
    void clef(QPainter& p, double x, const QBrush& ink) const;
    void barLine(QPainter& p, double x, const QBrush& ink) const;
    // A quarter note with its stem on the side the middle line asks for.
    void note(QPainter& p, double x, int step, const QBrush& ink) const;
    // Two eighths joined by a beam, stems up.
    void beamedPair(QPainter& p, double x1, int step1, double x2, int step2, const QBrush& ink) const;

private:
    QRectF head(QPainter& p, double x, int step, const QBrush& ink) const;

    const MusicSymbols& symbols_;
    double left_;
    double right_;
    double bottom_;
    double space_;
};

}  // namespace kelo::datatree
