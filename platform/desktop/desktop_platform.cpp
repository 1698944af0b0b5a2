#include "platform/desktop/desktop_platform.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <filesystem>

#include "platform/desktop/form_painter.h"

namespace kelo {

DesktopPlatform::DesktopPlatform() : files_(std::filesystem::current_path()) {
    // Windows come and go (the splash, message boxes); only the program decides to end.
    QApplication::setQuitOnLastWindowClosed(false);
    // The file dialogs and message boxes are the platform's: their buttons speak the
    // user's language, as they did where the old program ran.
    if (qtTranslations_.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslations_);
    gate_.afterEvent = [this] {
        driver_.rearm();
        display_.refreshAll();
    };
    // The samples of the notes, chords and the persona, decoded before they are needed.
    sound_.preload({"Kelo 2020\\Kelo", "Kelo 2020\\Suoni"});
}

int DesktopPlatform::exec() {
    if (gate_.halted()) return gate_.exitCode();
    if (display_.finished()) return 0;  // it ended before the loop began
    int code = QApplication::exec();
    return gate_.halted() ? gate_.exitCode() : code;
}

}  // namespace kelo
