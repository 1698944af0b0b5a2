#pragma once
// From the program's units to the screen's: twips (15 to a pixel), &HBBGGRR
// colours and fonts in points with their metric-compatible stand-ins.
#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRect>
#include <cmath>

#include "platform/controls.h"

namespace kelo {

inline constexpr float kTwipsPerPixel = 15.0f;

inline int toPixels(float twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

// The pixels a box covers: both edges rounded, so that boxes that touch in twips touch on screen.
inline QRect pixelRect(float left, float top, float width, float height) {
    int l = toPixels(left), t = toPixels(top);
    return QRect(l, t, toPixels(left + width) - l, toPixels(top + height) - t);
}

// The twips at the centre of a pixel position.
inline QPointF twipsAt(QPointF pixel) {
    return {(std::floor(pixel.x()) + 0.5) * kTwipsPerPixel, (std::floor(pixel.y()) + 0.5) * kTwipsPerPixel};
}

inline QColor qtColour(Colour c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

// Pixel size = points x 96 / 72; "MS Sans Serif" and "Times New Roman" become Liberation Sans and Serif.
QFont qtFont(const FontSpec& cellFont);

}  // namespace kelo
