#include "platform/desktop/form_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "platform/desktop/event_gate.h"
#include "platform/desktop/twips.h"
#include "platform/dispatch.h"

namespace kelo {

// A text box's editor: the keyboard focus in it makes the text box the active control.
class FormWindow::Editor : public QLineEdit {
public:
    Editor(Form& form, TextBox& box, QWidget* parent) : QLineEdit(parent), form_(form), box_(box) {}
    Colour back = 0xFFFFFFFF, fore = 0xFFFFFFFF;

protected:
    void focusInEvent(QFocusEvent* event) override {
        form_.ActiveControl = &box_;
        QLineEdit::focusInEvent(event);
    }

private:
    Form& form_;
    TextBox& box_;
};

FormWindow::FormWindow(Form& form, PictureCache& pictures, EventGate& gate)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      form_(form),
      layout_(form),
      painter_(pictures),
      gate_(gate) {
    setWindowTitle(QStringLiteral("Kelo"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    for (const TextBox* b : layout_.textBoxes()) {
        auto* box = const_cast<TextBox*>(b);
        auto* editor = new Editor(form_, *box, this);
        editor->setFrame(false);
        // Clicked into, never tabbed into or focused by the window's activation.
        editor->setFocusPolicy(Qt::ClickFocus);
        editor->hide();
        QObject::connect(editor, &QLineEdit::textEdited,
                         [box](const QString& text) { box->Text = text.toStdString(); });
        editors_.push_back({box, editor, false});
    }
    refresh();
}

QLineEdit* FormWindow::editorOf(const TextBox& box) const {
    for (const EditorSlot& s : editors_)
        if (s.box == &box) return s.editor;
    return nullptr;
}

void FormWindow::refresh() {
    QRect place = pixelRect(form_.Left, form_.Top, form_.Width, form_.Height);
    if (size() != place.size()) setFixedSize(place.size());
    if (pos() != place.topLeft()) move(place.topLeft());
    syncEditors();
    update();
}

void FormWindow::syncEditors() {
    for (EditorSlot& s : editors_) {
        TextBox& b = *s.box;
        Editor& e = *s.editor;
        s.live = shownOnScreen(b) && !layout_.coveredByFrame(b);
        if (s.live) {
            QRect r = pixelRect(absoluteLeft(b), absoluteTop(b), b.Width, b.Height);
            if (e.geometry() != r) e.setGeometry(r);
            QFont font = qtFont(b.Font);
            if (e.font() != font) e.setFont(font);
            if (e.back != b.BackColor || e.fore != b.ForeColor) {
                QPalette pal = e.palette();
                pal.setColor(QPalette::Base, qtColour(b.BackColor));
                pal.setColor(QPalette::Window, qtColour(b.BackColor));
                pal.setColor(QPalette::Text, qtColour(b.ForeColor));
                e.setPalette(pal);
                e.back = b.BackColor;
                e.fore = b.ForeColor;
            }
            Qt::Alignment align = b.Alignment == Align::Center  ? Qt::AlignHCenter
                                  : b.Alignment == Align::Right ? Qt::AlignRight
                                                                : Qt::AlignLeft;
            if (e.alignment() != (align | Qt::AlignVCenter)) e.setAlignment(align | Qt::AlignVCenter);
            if (e.hasFrame() != b.Border) e.setFrame(b.Border);
            if (e.isEnabled() != acceptsInput(b)) e.setEnabled(acceptsInput(b));
            QString text = QString::fromStdString(b.Text);
            if (e.text() != text) e.setText(text);
        }
        if (e.isHidden() == s.live) e.setVisible(s.live);
    }
}

void FormWindow::focusControl(Control& control) {
    for (EditorSlot& s : editors_)
        if (s.box == &control) {
            syncEditors();
            if (s.live) {
                s.editor->setFocus(Qt::OtherFocusReason);
                return;
            }
        }
    setFocus(Qt::OtherFocusReason);
    update();
}

void FormWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintState state;
    if (pressed_ && pressedInside_ && layout_.kindOf(*pressed_) == ControlKind::CommandButton)
        state.pressedButton = pressed_;
    state.drawnByEditor = [this](const TextBox& b) {
        for (const EditorSlot& s : editors_)
            if (s.box == &b) return s.live;
        return false;
    };
    painter_.paint(p, form_, layout_, state);
}

MouseArgs FormWindow::argsFor(const Control& c, QPointF at, Qt::MouseButton button,
                              Qt::KeyboardModifiers modifiers) const {
    QPointF t = twipsAt(at);
    MouseArgs a;
    a.Button = button == Qt::RightButton ? 2 : button == Qt::MiddleButton ? 4 : 1;
    a.Shift = (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
              (modifiers & Qt::AltModifier ? 4 : 0);
    a.X = static_cast<float>(t.x()) - absoluteLeft(c);
    a.Y = static_cast<float>(t.y()) - absoluteTop(c);
    return a;
}

void FormWindow::press(QMouseEvent* event) {
    if (pressed_) return;  // one press at a time; other buttons wait for its release
    QPointF t = twipsAt(event->position());
    Control* c = layout_.hitTest(static_cast<float>(t.x()), static_cast<float>(t.y()));
    if (!c) return;
    pressed_ = c;
    pressedButton_ = event->button();
    pressedInside_ = true;
    if (layout_.kindOf(*c) == ControlKind::CommandButton) {
        form_.ActiveControl = c;
        setFocus(Qt::MouseFocusReason);
    }
    const int modals = gate_.modalCount();
    MouseArgs args = argsFor(*c, event->position(), pressedButton_, event->modifiers());
    gate_.run([&] { deliverMouseDown(*c, args); });
    // A dialog opened by the press took the release for itself: the press ends here.
    if (pressed_ == c && gate_.modalCount() != modals) finishPress(event->position(), event->modifiers(), false);
    update();
}

void FormWindow::finishPress(QPointF at, Qt::KeyboardModifiers modifiers, bool mayClick) {
    Control* c = pressed_;
    Qt::MouseButton button = pressedButton_;
    pressed_ = nullptr;
    pressedButton_ = Qt::NoButton;
    pressedInside_ = false;
    QPointF t = twipsAt(at);
    const bool click = mayClick && button == Qt::LeftButton &&
                       layout_.hitTest(static_cast<float>(t.x()), static_cast<float>(t.y())) == c;
    MouseArgs args = argsFor(*c, at, button, modifiers);
    gate_.run([&] { deliverMouseUp(*c, args); });
    if (click) gate_.run([&] { deliverClick(*c); });
    update();
}

void FormWindow::mousePressEvent(QMouseEvent* event) { press(event); }

// A second press in quick succession is a press like any other.
void FormWindow::mouseDoubleClickEvent(QMouseEvent* event) { press(event); }

void FormWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!pressed_) return;
    QPointF t = twipsAt(event->position());
    float x = static_cast<float>(t.x()) - absoluteLeft(*pressed_);
    float y = static_cast<float>(t.y()) - absoluteTop(*pressed_);
    bool inside = x >= 0 && y >= 0 && x < pressed_->Width && y < pressed_->Height;
    if (inside != pressedInside_) {
        pressedInside_ = inside;
        update();
    }
}

void FormWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (!pressed_ || event->button() != pressedButton_) return;
    finishPress(event->position(), event->modifiers(), true);
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        gate_.run([&] { deliverEnter(form_); });
        return;
    }
    QWidget::keyPressEvent(event);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // Only the program ends itself; it is told, and may ask the user.
    event->ignore();
    if (form_.CloseRequested) gate_.run([&] { form_.CloseRequested(); });
}

}  // namespace kelo
