#include "melody_bench.h"

#include "app/bind_events.h"
#include "app/compose_button.h"
#include "engine/link_cases.h"
#include "player/melody_record.h"
#include "settings/factory_defaults.h"

namespace kelo::fuzz {

MelodyWindow::MelodyWindow() {
    hp.random.reseedFallback(2020);
    hp.clock.freezeTimeOfDay(true);
    BindEvents(window);
    resetAllToFactory(window);
    CaricaPaginaCollegamento(window);
    window.cmdIncisi.Enabled = true;
}

std::string MelodyWindow::composedRecord() {
    cmdIncisi_Click(window);
    hp.advance(16 * 105);
    return formatRecord(collectMelodyRecord(window));
}

}  // namespace kelo::fuzz
