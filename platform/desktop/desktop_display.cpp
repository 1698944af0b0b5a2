#include "platform/desktop/desktop_display.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include "platform/desktop/event_gate.h"
#include "platform/desktop/form_window.h"
#include "platform/desktop/picture_cache.h"
#include "platform/desktop/twips.h"
#include "platform/form.h"

namespace kelo {

DesktopDisplay::DesktopDisplay(PictureCache& pictures, EventGate& gate) : pictures_(pictures), gate_(gate) {}

DesktopDisplay::~DesktopDisplay() = default;

ScreenSize DesktopDisplay::screen() {
    QScreen* s = QGuiApplication::primaryScreen();
    if (!s) return {};
    QSize size = s->size();
    return {static_cast<float>(size.width()) * kTwipsPerPixel, static_cast<float>(size.height()) * kTwipsPerPixel};
}

FormWindow* DesktopDisplay::windowOf(const Form& form) const {
    auto it = windows_.find(&form);
    return it == windows_.end() ? nullptr : it->second.get();
}

void DesktopDisplay::show(Form& form) {
    FormWindow* w = windowOf(form);
    if (!w) w = windows_.emplace(&form, std::make_unique<FormWindow>(form, pictures_, gate_)).first->second.get();
    w->refresh();
    w->show();
    if (!w->focusWidget()) w->setFocus(Qt::ActiveWindowFocusReason);
    w->activateWindow();
}

void DesktopDisplay::unload(Form& form) {
    auto it = windows_.find(&form);
    if (it == windows_.end()) return;
    it->second->hide();
    closed_.push_back(std::move(it->second));
    windows_.erase(it);
    QTimer::singleShot(0, &lifetime_, [this] { closed_.clear(); });
    if (windows_.empty()) {
        finished_ = true;
        QCoreApplication::exit(gate_.exitCode());
    }
}

void DesktopDisplay::focus(Form& form, Control& control) {
    form.ActiveControl = &control;
    if (FormWindow* w = windowOf(form)) w->focusControl(control);
}

bool DesktopDisplay::showable(std::string_view dataPath) { return !pictures_.original(std::string(dataPath)).isNull(); }

void DesktopDisplay::message(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::Information, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    gate_.modal([&] { box.exec(); });
}

void DesktopDisplay::refreshAll() {
    for (auto& [form, window] : windows_) window->refresh();
}

}  // namespace kelo
