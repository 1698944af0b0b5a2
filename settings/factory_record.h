#pragma once
// The settings record of a fresh installation: every group at its factory values
// under the factory profile name, as the text of a settings file.
#include <string>

namespace kelo {

struct Platform;

// Builds a window on `platform` only to fill it; nothing is shown or started.
std::string FactorySettingsRecordText(Platform& platform);

}  // namespace kelo
