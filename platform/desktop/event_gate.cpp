#include "platform/desktop/event_gate.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QString>
#include <exception>

#include "platform/runtime_error.h"

namespace kelo {

void EventGate::run(const std::function<void()>& event) {
    if (halted_ || depth_ > 0) return;
    ++depth_;
    try {
        event();
    } catch (const RuntimeError& e) {
        --depth_;
        fail(e.userMessage());
        return;
    } catch (const std::exception& e) {
        // Not the program's own error, but it must not unwind through the toolkit either.
        --depth_;
        fail(e.what());
        return;
    }
    --depth_;
    if (afterEvent) afterEvent();
}

void EventGate::modal(const std::function<void()>& dialog) {
    ++modalCount_;
    dialog();
}

void EventGate::fail(const std::string& text) {
    halted_ = true;
    exitCode_ = 1;
    if (reportError) {
        reportError(text);
    } else {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Kelo"), QString::fromStdString(text), QMessageBox::Ok);
        box.exec();
    }
    // Ends the event loop when it runs; before it runs, exec() sees `halted`.
    QCoreApplication::exit(exitCode_);
}

}  // namespace kelo
