#include "platform/desktop/qt_file_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
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

namespace {

// ".txt" of "File di testo (*.txt)|*.txt": the first pattern, when it names one extension.
QString extensionOf(const std::string& filter) {
    const QString first =
        QString::fromStdString(filter).section(QLatin1Char('|'), 1, 1).section(QLatin1Char(';'), 0, 0).trimmed();
    if (!first.startsWith(QStringLiteral("*.")) || first.lastIndexOf(QLatin1Char('*')) != 0) return {};
    return first.mid(1);
}

// Gives every name it saves to the extension of its filter, before it asks about
// an existing file of that name: the open dialog, filtered on it, would never
// show the file again.
class FileDialog : public QFileDialog {
public:
    FileDialog(QWidget* parent, QString extension) : QFileDialog(parent), extension_(std::move(extension)) {}

    void accept() override {
        const QStringList files = selectedFiles();
        if (acceptMode() == AcceptSave && !extension_.isEmpty() && files.size() == 1 && !QFileInfo(files[0]).isDir() &&
            !files[0].endsWith(extension_, Qt::CaseInsensitive)) {
            if (QWidget* typing = focusWidget()) typing->clearFocus();  // else selectFile leaves the name as typed
            selectFile(files[0] + extension_);
        }
        QFileDialog::accept();
    }

private:
    QString extension_;
};

}  // namespace

std::optional<std::string> QtFileDialogs::choose(const DialogRequest& request) {
    FileDialog dialog(QApplication::activeWindow(), extensionOf(request.filter));
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
