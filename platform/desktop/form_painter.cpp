#include "platform/desktop/form_painter.h"

#include <QFontMetrics>
#include <QPainter>

#include "platform/desktop/picture_cache.h"
#include "platform/desktop/twips.h"

namespace kelo {

namespace {

const QColor kWhite(255, 255, 255);
const QColor kDarkBorder(64, 64, 64);
const QColor kShadow(128, 128, 128);
const QColor kDisabledText(128, 128, 128);
constexpr Colour kButtonFace = 0xE0E0E0;

int horizontal(Align a) {
    switch (a) {
    case Align::Right: return Qt::AlignRight;
    case Align::Center: return Qt::AlignHCenter;
    case Align::Left: break;
    }
    return Qt::AlignLeft;
}

// Text as a classic desktop writes it: in its colour, or embossed grey when disabled.
void drawText(QPainter& p, const QRect& box, int flags, const QString& text, const QColor& colour, bool enabled) {
    if (!enabled) {
        p.setPen(kWhite);
        p.drawText(box.translated(1, 1), flags, text);
        p.setPen(kDisabledText);
    } else {
        p.setPen(colour);
    }
    p.drawText(box, flags, text);
}

void bevel(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    p.setPen(topLeft);
    p.drawLine(r.left(), r.bottom(), r.left(), r.top());
    p.drawLine(r.left(), r.top(), r.right(), r.top());
    p.setPen(bottomRight);
    p.drawLine(r.left() + 1, r.bottom(), r.right(), r.bottom());
    p.drawLine(r.right(), r.bottom(), r.right(), r.top() + 1);
}

}  // namespace

void FormPainter::paint(QPainter& p, const Form& form, const FormLayout& layout, const PaintState& state) {
    form_ = &form;
    state_ = &state;
    p.fillRect(pixelRect(0, 0, form.Width, form.Height), qtColour(form.BackColor));
    paintList(p, layout, layout.topLevel(), 0, 0);
    form_ = nullptr;
    state_ = nullptr;
}

void FormPainter::paintList(QPainter& p, const FormLayout& layout, const std::vector<ControlRef>& list, float originX,
                            float originY) {
    for (const ControlRef& ref : list) {
        const Control& c = *ref.control;
        if (!c.Visible) continue;
        QRect r = pixelRect(originX + c.Left, originY + c.Top, c.Width, c.Height);
        if (r.isEmpty()) continue;
        switch (ref.kind) {
        case ControlKind::Label: paintLabel(p, static_cast<const Label&>(c), r); break;
        case ControlKind::TextBox: {
            const auto& box = static_cast<const TextBox&>(c);
            if (!state_->drawnByEditor || !state_->drawnByEditor(box)) paintTextBox(p, box, r);
            break;
        }
        case ControlKind::CommandButton: paintButton(p, static_cast<const CommandButton&>(c), r); break;
        case ControlKind::Image: paintImage(p, static_cast<const Image&>(c), r); break;
        case ControlKind::Shape: paintShape(p, static_cast<const Shape&>(c), r); break;
        case ControlKind::Frame: {
            paintFrame(p, static_cast<const Frame&>(c), r);
            p.save();
            p.setClipRect(r, Qt::IntersectClip);
            paintList(p, layout, layout.childrenOf(c), originX + c.Left, originY + c.Top);
            p.restore();
            break;
        }
        }
    }
}

TextPlace textPlace(const Label& c, const QRect& r) {
    QRect box = r;
    if (c.BorderStyle == 1) box.adjust(1, 1, -1, -1);
    box.adjust(1, 0, -1, 0);
    return {box, horizontal(c.Alignment) | Qt::AlignTop | (c.WordWrap ? Qt::TextWordWrap : Qt::TextSingleLine)};
}

TextPlace textPlace(const TextBox& c, const QRect& r) {
    QRect box = r;
    if (c.Border) box.adjust(2, 2, -2, -2);
    box.adjust(2, 0, -2, 0);
    return {box, horizontal(c.Alignment) | Qt::AlignVCenter | Qt::TextSingleLine};
}

void FormPainter::paintLabel(QPainter& p, const Label& c, const QRect& r) {
    if (!c.Transparent) p.fillRect(r, qtColour(c.BackColor));
    if (c.BorderStyle == 1) {
        p.setPen(kDarkBorder);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    if (c.Caption.empty()) return;
    TextPlace at = textPlace(c, r);
    p.setFont(qtFont(c.Font));
    if (!c.Enabled) {
        p.save();
        p.setClipRect(r, Qt::IntersectClip);
        drawText(p, at.box, at.flags, QString::fromStdString(c.Caption), qtColour(c.ForeColor), false);
        p.restore();
        return;
    }
    drawText(p, at.box, at.flags, QString::fromStdString(c.Caption), qtColour(c.ForeColor), true);
}

void FormPainter::paintTextBox(QPainter& p, const TextBox& c, const QRect& r) {
    p.fillRect(r, qtColour(c.BackColor));
    if (c.Border) {
        bevel(p, r, kShadow, kWhite);
        bevel(p, r.adjusted(1, 1, -1, -1), kDarkBorder, QColor(0xE0, 0xE0, 0xE0));
    }
    if (c.Text.empty()) return;
    TextPlace at = textPlace(c, r);
    p.save();
    p.setClipRect(r, Qt::IntersectClip);
    p.setFont(qtFont(c.Font));
    drawText(p, at.box, at.flags, QString::fromStdString(c.Text), qtColour(c.ForeColor), c.Enabled);
    p.restore();
}

void FormPainter::paintButton(QPainter& p, const CommandButton& c, const QRect& r) {
    const bool pressed = state_->pressedButton == &c;
    p.fillRect(r, qtColour(c.Graphical ? c.BackColor : kButtonFace));
    if (pressed) {
        p.setPen(kDarkBorder);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.setPen(kShadow);
        p.drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
        p.drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 1);
    } else {
        bevel(p, r, kWhite, kDarkBorder);
        bevel(p, r.adjusted(1, 1, -1, -1), qtColour(c.Graphical ? c.BackColor : kButtonFace).lighter(110), kShadow);
    }
    QRect inner = r.adjusted(3, 3, -3, -3);
    if (pressed) inner.translate(1, 1);

    p.save();
    p.setClipRect(r.adjusted(2, 2, -2, -2), Qt::IntersectClip);
    QRect captionBox = inner;
    if (!c.Picture.empty()) {
        // Inside the focus rectangle, so that its dots never cross the picture.
        QRect pictureBox = inner.adjusted(3, 3, -3, -3);
        QFont font = qtFont(c.Font);
        if (!c.Caption.empty()) {
            int h = QFontMetrics(font).height();
            pictureBox.setBottom(inner.bottom() - h);
            captionBox.setTop(pictureBox.bottom() + 1);
        }
        if (pictureBox.width() > 0 && pictureBox.height() > 0) {
            const QImage& img = pictures_.fitted(c.Picture, pictureBox.size(), !c.Enabled);
            if (!img.isNull()) {
                QPoint at(pictureBox.left() + (pictureBox.width() - img.width()) / 2,
                          pictureBox.top() + (pictureBox.height() - img.height()) / 2);
                p.drawImage(at, img);
            }
        }
    }
    if (!c.Caption.empty()) {
        p.setFont(qtFont(c.Font));
        drawText(p, captionBox, Qt::AlignCenter | Qt::TextWordWrap, QString::fromStdString(c.Caption), QColor(0, 0, 0),
                 c.Enabled);
    }
    p.restore();

    if (form_->ActiveControl == &c && c.Enabled) {
        QPen dots(QColor(0, 0, 0), 1, Qt::DotLine);
        p.setPen(dots);
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(4, 4, -5, -5));
    }
}

void FormPainter::paintImage(QPainter& p, const Image& c, const QRect& r) {
    if (c.Picture.empty()) return;
    if (c.Stretch) {
        const QImage& img = pictures_.stretched(c.Picture, r.size());
        if (!img.isNull()) p.drawImage(r.topLeft(), img);
        return;
    }
    const QImage& img = pictures_.original(c.Picture);
    if (!img.isNull()) p.drawImage(r.topLeft(), img, QRect(QPoint(0, 0), r.size()));
}

void FormPainter::paintShape(QPainter& p, const Shape& c, const QRect& r) {
    if (c.Opaque) p.fillRect(r, qtColour(c.BackColor));
    if (c.Outline) {
        p.setPen(qtColour(c.BorderColor));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

void FormPainter::paintFrame(QPainter& p, const Frame& c, const QRect& r) {
    p.fillRect(r, qtColour(c.BackColor));
    if (!c.Border) return;
    QFont font = qtFont(FontSpec{});
    int top = c.Caption.empty() ? 0 : QFontMetrics(font).height() / 2;
    QRect edge = r.adjusted(0, top, -1, -1);
    p.setBrush(Qt::NoBrush);
    p.setPen(kShadow);
    p.drawRect(edge.adjusted(0, 0, -1, -1));
    p.setPen(kWhite);
    p.drawRect(edge.adjusted(1, 1, 0, 0));
    if (!c.Caption.empty()) {
        p.setFont(font);
        QString text = QString::fromStdString(c.Caption);
        QRect box(r.left() + 8, r.top(), QFontMetrics(font).horizontalAdvance(text) + 4, 2 * top);
        p.fillRect(box, qtColour(c.BackColor));
        drawText(p, box, Qt::AlignCenter, text, QColor(0, 0, 0), c.Enabled);
    }
}

QImage renderForm(const Form& form, PictureCache& pictures) {
    QImage image(pixelRect(0, 0, form.Width, form.Height).size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    FormLayout layout(form);
    QPainter p(&image);
    FormPainter(pictures).paint(p, form, layout);
    return image;
}

QImage renderForm(const Form& form) {
    PictureCache pictures(form.sys.files);
    return renderForm(form, pictures);
}

}  // namespace kelo
