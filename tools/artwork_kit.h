#pragma once
// Shared touches of the designed pictures: the gold of the lettering, sparkles
// and a fixed scatter of stars (the same every run).
#include <QBrush>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace kelo::datatree {

// Gold, light at the top of `area` and deeper at the bottom.
QBrush goldBrush(const QRectF& area);

// A four-pointed sparkle.
QPainterPath sparkle(QPointF centre, double radius);

// `count` small stars inside `area`, placed by a fixed sequence.
void scatterStars(QPainter& p, const QRectF& area, int count, unsigned seed);

// Fills `path` with `brush` over a soft dark shadow offset by `offset`.
void fillWithShadow(QPainter& p, const QPainterPath& path, const QBrush& brush, QPointF offset);

// `path` moved so that the centre of its box lies at `centre`.
QPainterPath centredAt(const QPainterPath& path, QPointF centre);

}  // namespace kelo::datatree
