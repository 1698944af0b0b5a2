#pragma once
// The record files the user picks in a file dialog, melodies and settings
// profiles: text files that start in a folder of the data tree, chosen, read and
// written whole. Every failure is told in a message that names the file.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/record_format.h"
#include "platform/services.h"

namespace kelo {

struct Form;
class CommonDialog;

inline constexpr const char* kFiltroTesto = "File di testo (*.txt)|*.txt";

// The save dialog, opening in `folder` with `proposedName` in it and asking before
// an existing file is overwritten; the open dialog, opening in `folder`. Each
// gives the whole path the user chose, or nothing when the user cancels; the save
// dialog adds ".txt" to a name without it before it asks. The open dialog proposes
// the name of the last use.
std::optional<std::string> ScegliFileDaSalvare(CommonDialog& dialog, const std::string& folder,
                                               const std::string& proposedName);
std::optional<std::string> ScegliFileDaAprire(CommonDialog& dialog, const std::string& folder);

// The values of the file at `path` as `read` checks them; when the file cannot be
// read or `read` refuses it, a message names the file (and the line) and nothing
// comes back.
using RecordReader = RecordCheck (*)(std::string_view content);
std::optional<std::vector<RecordValue>> LeggiRecord(Form& f, const std::string& path, RecordReader read,
                                                    const std::string& title);

// Why a file gave no content, as a message says it after the file's name.
std::string unreadReason(FileRead::Outcome outcome);

// Writes the record through a temporary file renamed over the old one; on failure
// a message, the old file as it was, and false.
bool ScriviRecord(Form& f, const std::string& path, const std::vector<RecordValue>& values, const std::string& title);

}  // namespace kelo
