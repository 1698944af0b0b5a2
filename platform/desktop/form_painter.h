#pragma once
// Paints a form's controls the way a classic desktop draws them, from the
// form's own cells; also offscreen, into an image.
#include <QImage>
#include <functional>

#include "platform/desktop/form_layout.h"

class QPainter;

namespace kelo {

class PictureCache;

struct PaintState {
    const Control* pressedButton = nullptr;  // a command button held down under the mouse
    // Text boxes that a live editor draws itself.
    std::function<bool(const TextBox&)> drawnByEditor;
};

class FormPainter {
public:
    explicit FormPainter(PictureCache& pictures) : pictures_(pictures) {}
    void paint(QPainter& p, const Form& form, const FormLayout& layout, const PaintState& state = {});

private:
    void paintList(QPainter& p, const FormLayout& layout, const std::vector<ControlRef>& list, float originX,
                   float originY);
    void paintLabel(QPainter& p, const Label& c, const QRect& r);
    void paintTextBox(QPainter& p, const TextBox& c, const QRect& r);
    void paintButton(QPainter& p, const CommandButton& c, const QRect& r);
    void paintImage(QPainter& p, const Image& c, const QRect& r);
    void paintShape(QPainter& p, const Shape& c, const QRect& r);
    void paintFrame(QPainter& p, const Frame& c, const QRect& r);

    PictureCache& pictures_;
    const Form* form_ = nullptr;
    const PaintState* state_ = nullptr;
};

// Where a control's text is laid out inside its pixel box r, and how it is aligned there.
struct TextPlace {
    QRect box;
    int flags;
};
TextPlace textPlace(const Label& c, const QRect& r);
TextPlace textPlace(const TextBox& c, const QRect& r);

// The form drawn offscreen at its size, as the screen would show it.
QImage renderForm(const Form& form, PictureCache& pictures);
// The same with a picture cache of its own over the form's file system.
QImage renderForm(const Form& form);

}  // namespace kelo
