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

// A save answers one file, named with the extension of its filter before Qt asks
// about an existing file of that name.
class FileDialog : public QFileDialog {
public:
    FileDialog(QWidget* parent, const DialogRequest& request) : QFileDialog(parent), request_(request) {}

    void accept() override {
        if (acceptMode() == AcceptSave) {
            const QStringList files = selectedFiles();
            // Of several names Qt would ask only about the first, as typed, and the
            // extension came after the question: stay open, as for any name refused.
            if (files.size() != 1) return;
            const QString named = QString::fromStdString(request_.withExtension(files[0].toStdString()));
            if (named != files[0] && !QFileInfo(files[0]).isDir()) {
                if (QWidget* typing = focusWidget()) typing->clearFocus();  // else selectFile leaves the name as typed
                selectFile(named);
            }
        }
        QFileDialog::accept();
    }

private:
    const DialogRequest& request_;
};

}  // namespace

std::optional<std::string> QtFileDialogs::choose(const DialogRequest& request) {
    FileDialog dialog(QApplication::activeWindow(), request);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(request.flags & kOverwritePrompt));
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
