#pragma once
// The real desktop: every service the program needs, on Qt and SDL2_mixer.
// Create it after the QApplication; run program code through run().
#include <QImage>
#include <QTranslator>
#include <functional>

#include "platform/desktop/desktop_display.h"
#include "platform/desktop/event_gate.h"
#include "platform/desktop/picture_cache.h"
#include "platform/desktop/qt_file_dialogs.h"
#include "platform/desktop/sdl_sound.h"
#include "platform/desktop/system_clock.h"
#include "platform/desktop/timer_driver.h"
#include "platform/local_files.h"
#include "platform/seeded_random.h"
#include "platform/timer_scheduler.h"

namespace kelo {

class DesktopPlatform {
public:
    DesktopPlatform();
    DesktopPlatform(const DesktopPlatform&) = delete;
    DesktopPlatform& operator=(const DesktopPlatform&) = delete;

    Platform& platform() { return platform_; }
    EventGate& gate() { return gate_; }
    DesktopDisplay& display() { return display_; }
    SdlSound& sound() { return sound_; }
    PictureCache& pictures() { return pictures_; }

    // Runs program code as one event (a run-time error ends the program).
    void run(const std::function<void()>& code) { gate_.run(code); }
    // The event loop, until the last window is unloaded or a run-time error; the exit code.
    int exec();

private:
    QTranslator qtTranslations_;
    SystemClock clock_;
    SeededRandom random_;
    TimerScheduler timers_{clock_};
    EventGate gate_;
    TimerDriver driver_{timers_, clock_, gate_};
    LocalFileSystem files_;
    SdlSound sound_{files_};
    QtFileDialogs dialogs_{files_, gate_};
    PictureCache pictures_{files_};
    DesktopDisplay display_{pictures_, gate_};
    Platform platform_{clock_, random_, timers_, sound_, dialogs_, files_, display_};
};

}  // namespace kelo
