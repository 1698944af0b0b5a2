#include "staff_picture.h"

#include <QPainter>

#include "staff_geometry.h"

namespace kelo::datatree {

QImage blankStaff() {
    QImage picture(staff::kWidth, staff::kHeight, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    for (int line = 0; line < 5; ++line) {
        p.fillRect(QRectF(0, staff::lineY(line) - staff::kLineThickness / 2, staff::kWidth, staff::kLineThickness),
                   Qt::black);
    }
    return picture;
}

}  // namespace kelo::datatree
