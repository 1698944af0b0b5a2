#include "platform/desktop/qt_file_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

#include "platform/desktop/event_gate.h"

namespace kelo {

QString QtFileDialogs::qtFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        QString pattern = i + 1 < parts.size() ? parts[i + 1].trimmed() : QString();
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (pattern.isEmpty() || description.contains(QLatin1Char('(') + pattern + QLatin1Char(')')))
            out << description;
        else
            out << description + QStringLiteral(" (") + pattern + QLatin1Char(')');
    }
    return out.join(QStringLiteral(";;"));
}

std::optional<std::string> QtFileDialogs::choose(const DialogRequest& request) {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(request.flags & 2));
    QString filter = qtFilter(request.filter);
    if (!filter.isEmpty()) dialog.setNameFilter(filter);
    if (!request.initDir.empty()) dialog.setDirectory(QString::fromStdString(files_.nativePath(request.initDir)));
    if (!request.fileName.empty()) {
        // A bare name is proposed inside the initial folder; a path stands for itself.
        bool bare = request.fileName.find_first_of("\\/") == std::string::npos;
        dialog.selectFile(bare ? QString::fromStdString(request.fileName)
                               : QString::fromStdString(files_.nativePath(request.fileName)));
    }
    bool accepted = false;
    gate_.modal([&] { accepted = dialog.exec() == QDialog::Accepted; });
    if (!accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

}  // namespace kelo
