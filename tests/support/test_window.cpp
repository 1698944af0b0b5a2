#include "support/test_window.h"

#include "app/bind_events.h"
#include "app/compose_button.h"
#include "engine/link_cases.h"
#include "player/melody_record.h"
#include "settings/factory_defaults.h"

namespace kelo::support {

namespace {
Platform platformOf(HeadlessPlatform& hp, FileSystem& files) {
    return {hp.clock, hp.random, hp.timers, hp.sound, hp.dialogs, files, hp.display};
}
}  // namespace

TestWindow::TestWindow(const WindowOptions& options)
    : hp(options.folder),
      platform(platformOf(hp, options.filesInMemory ? static_cast<FileSystem&>(memory) : hp.files)),
      f(platform) {
    hp.dialogs.files = &platform.files;
    hp.random.reseedFallback(options.seed);
    hp.clock.freezeTimeOfDay(true);
    hp.clock.setTimeOfDay(options.clock.hour, options.clock.minute, options.clock.second);
    readyAsAfterStartUp(f, options.factory);
}

void readyAsAfterStartUp(frmKeloTrundo15& f, bool factory) {
    BindEvents(f);
    if (factory) resetAllToFactory(f);
    CaricaPaginaCollegamento(f);
    f.cmdIncisi.Enabled = true;
}

std::string TestWindow::composeAndReveal() {
    cmdIncisi_Click(f);
    hp.advance(kRevealMs);
    return formatRecord(collectMelodyRecord(f));
}

}  // namespace kelo::support
