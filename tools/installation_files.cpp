#include "installation_files.h"

#include <fstream>
#include <stdexcept>

#include "model/data_files.h"
#include "platform/headless/headless_platform.h"
#include "settings/factory_record.h"

namespace kelo::datatree {

void writeMarkerIfMissing(const std::filesystem::path& dati) {
    const std::filesystem::path marker = dati / kMarkerFile;
    if (std::filesystem::exists(marker)) return;
    std::ofstream out(marker, std::ios::binary);
    out << "Kelo-trundo 2020\r\n";
    if (!out.flush()) throw std::runtime_error("cannot write " + marker.string());
}

void writeUserSettingsIfMissing(const std::filesystem::path& dati) {
    const std::filesystem::path settings = dati / "User.txt";
    if (std::filesystem::exists(settings)) return;  // the user's settings are never overwritten
    HeadlessPlatform scratch;
    std::ofstream out(settings, std::ios::binary);
    out << FactorySettingsRecordText(scratch.platform);
    if (!out.flush()) throw std::runtime_error("cannot write " + settings.string());
}

}  // namespace kelo::datatree
