#include "settings/factory_record.h"

#include "model/main_window.h"
#include "settings/factory_defaults.h"
#include "settings/settings_record.h"

namespace kelo {

std::string FactorySettingsRecordText(Platform& platform) {
    frmKeloTrundo15 window(platform);
    resetAllToFactory(window);
    return formatRecord(collectSettingsRecord(window));
}

}  // namespace kelo
