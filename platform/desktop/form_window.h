#pragma once
// One top-level window per form: painted from the form's cells, it turns mouse
// presses, releases and the Enter key into the form's events. Text boxes get a
// real line editor laid over them, kept in step with their Text.
#include <QLineEdit>
#include <QWidget>
#include <vector>

#include "platform/desktop/form_layout.h"
#include "platform/desktop/form_painter.h"

namespace kelo {

class EventGate;
class PictureCache;

class FormWindow : public QWidget {
public:
    FormWindow(Form& form, PictureCache& pictures, EventGate& gate);

    Form& form() { return form_; }
    const FormLayout& layout() const { return layout_; }
    // Brings the window up to date with the form: place, editors, a repaint.
    void refresh();
    // Gives the keyboard to the control (a text box's editor, or the window).
    void focusControl(Control& control);
    QLineEdit* editorOf(const TextBox& box) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    class Editor;
    struct EditorSlot {
        TextBox* box;
        Editor* editor;
        bool live = false;
    };

    void press(QMouseEvent* event);
    void finishPress(QPointF at, Qt::KeyboardModifiers modifiers, bool mayClick);
    MouseArgs argsFor(const Control& c, QPointF at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) const;
    void syncEditors();

    Form& form_;
    FormLayout layout_;
    FormPainter painter_;
    EventGate& gate_;
    std::vector<EditorSlot> editors_;

    Control* pressed_ = nullptr;
    Qt::MouseButton pressedButton_ = Qt::NoButton;
    bool pressedInside_ = false;
};

}  // namespace kelo
