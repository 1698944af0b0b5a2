#include "model/record_storage.h"

#include "platform/form.h"

namespace kelo {

namespace {

void prepare(CommonDialog& dialog, const std::string& folder) {
    dialog.Flags = kOverwritePrompt;
    dialog.Filter = kFiltroTesto;
    dialog.InitDir = folder;
}

std::optional<std::string> chosen(CommonDialog& dialog, bool accepted) {
    if (!accepted || dialog.FileName.empty()) return std::nullopt;
    return dialog.FileName;
}

std::string quoted(Form& f, const std::string& path) { return "\"" + f.sys.files.nativePath(path) + "\""; }

}  // namespace

std::string unreadReason(FileRead::Outcome outcome) {
    if (outcome != FileRead::Outcome::TooLarge) return "non si può leggere";
    return "è troppo grande (più di " + std::to_string(kRecordFileLimit >> 20) + " MB)";
}

std::optional<std::string> ScegliFileDaSalvare(CommonDialog& dialog, const std::string& folder,
                                               const std::string& proposedName) {
    prepare(dialog, folder);
    dialog.FileName = folder + proposedName;
    return chosen(dialog, dialog.ShowSave());
}

std::optional<std::string> ScegliFileDaAprire(CommonDialog& dialog, const std::string& folder) {
    prepare(dialog, folder);
    return chosen(dialog, dialog.ShowOpen());
}

std::optional<std::vector<RecordValue>> LeggiRecord(Form& f, const std::string& path, RecordReader read,
                                                    const std::string& title) {
    std::string problem;
    const FileRead file = f.sys.files.read(path, kRecordFileLimit);
    if (file.ok()) {
        RecordCheck check = read(file.content);
        if (check.ok()) return std::move(check.values);
        problem = "Il file " + quoted(f, path) + " non è valido alla riga " + std::to_string(check.badLine) + ": " +
                  check.reason + ".";
    } else {
        problem = "Il file " + quoted(f, path) + " " + unreadReason(file.outcome) + ".";
    }
    f.sys.display.message(title, problem + " Non è cambiato nulla.");
    return std::nullopt;
}

bool ScriviRecord(Form& f, const std::string& path, const std::vector<RecordValue>& values, const std::string& title) {
    if (f.sys.files.writeAtomically(path, formatRecord(values))) return true;
    f.sys.display.message(
        title, "Non è stato possibile scrivere il file " + quoted(f, path) + "; se c'era già, è rimasto com'era.");
    return false;
}

}  // namespace kelo
