#include "model/form_services.h"

#include "platform/form.h"
#include "platform/runtime_error.h"

namespace kelo {

void Unload(Form& f) {
    if (!f.Loaded) return;
    f.Loaded = false;
    for (Timer* t : f.timers()) t->SetEnabled(false);  // an unloaded window's timers die with it
    f.sys.display.unload(f);
}

void Randomize(Form& f) {
    TimeOfDay t = f.sys.clock.timeOfDay();
    double seconds = t.hour * 3600.0 + t.minute * 60.0 + t.second + (f.sys.clock.monotonicMs() % 1000) / 1000.0;
    f.sys.random.seed(seconds);
}

std::string LoadPicture(Form& f, const std::string& dataPath) {
    if (!f.sys.files.exists(dataPath)) raise(ErrorCode::FileNotFound, dataPath);
    return dataPath;
}

}  // namespace kelo
