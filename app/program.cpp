#include "app/program.h"

#include "app/bind_events.h"
#include "app/startup.h"

namespace kelo {

Program::Program(Platform& platform) : splash(platform), main(platform) {
    splash.main = &main;
    main.splash = &splash;
    BindEvents(splash);
    BindEvents(main);
}

void Program::start() {
    splash.Loaded = true;
    Form_Load(splash);
    splash.sys.display.show(splash);
}

}  // namespace kelo
