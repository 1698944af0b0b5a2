#pragma once
// Open and save dialogs on QFileDialog, for data paths.
#include <QString>

#include "platform/services.h"

namespace kelo {

class EventGate;

class QtFileDialogs : public FileDialogs {
public:
    QtFileDialogs(FileSystem& files, EventGate& gate) : files_(files), gate_(gate) {}
    std::optional<std::string> choose(const DialogRequest& request) override;

    // "File di testo (*.txt)|*.txt" -> "File di testo (*.txt)"; pairs become ";;"-separated.
    static QString qtFilter(const std::string& filter);

private:
    FileSystem& files_;
    EventGate& gate_;
};

}  // namespace kelo
