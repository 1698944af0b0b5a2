#include "app/install_root.h"

#include "model/data_files.h"
#include "platform/services.h"

namespace kelo {

std::string TrovaCartellaInstallazione(FileSystem& files) {
    static const char* const candidates[] = {
        "C:\\Programmi(x86)\\",     "C:\\Program Files\\",     "C:\\ProgramFiles\\", "C:\\Program Files (x86)\\",
        "C:\\ProgramFiles (x86)\\", "C:\\ProgramFiles(x86)\\", "C:\\Programmi\\",
    };
    std::string root;
    for (const char* c : candidates)
        if (files.exists(std::string(c) + "Kelo 2020\\Dati\\" + kMarkerFile)) root = c;  // the last hit wins
    return root;
}

}  // namespace kelo
