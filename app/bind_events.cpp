#include "app/bind_events.h"

#include "app/compose_button.h"
#include "app/exit.h"
#include "app/startup.h"
#include "model/main_window.h"
#include "model/splash_window.h"
#include "player/label_buttons.h"
#include "settings/factory_defaults.h"
#include "titles/title_types.h"

namespace kelo {

void BindEvents(frmSplashKelo2020& s) { s.TmrVia.OnTick = [&s] { TmrVia_Timer(s); }; }

void BindEvents(frmKeloTrundo15& f) {
    f.TmrScaricaSplash.OnTick = [&f] { TmrScaricaSplash_Timer(f); };
    f.TmrSignori.OnTick = [&f] { TmrSignori_Timer(f); };
    f.TmrESci.OnTick = [&f] { TmrESci_Timer(f); };

    f.on(f.cmdIncisi).Click = [&f](int) { cmdIncisi_Click(f); };
    f.cmdEsci.On.Click = [&f](int i) { cmdEsci_Click(f, i); };
    f.on(f.ImgLogo).Click = [&f](int) { ImgLogo_Click(f); };
    f.on(f.cmdTitoli).Click = [&f](int) { cmdTitoli_Click(f); };
    f.lblScritteVarie.On.Click = [&f](int i) { lblScritteVarie_Click(f, i); };
    f.lblPuls.On.Click = [&f](int i) { lblPuls_Click(f, i); };
    f.CloseRequested = [&f] { RichiestaChiusura(f); };

    f.lblDefault.On.MouseDown = [&f](int i, const MouseArgs& m) { lblDefault_MouseDown(f, i, m); };
    f.lblDefault.On.MouseUp = [&f](int i, const MouseArgs& m) { lblDefault_MouseUp(f, i, m); };
}

}  // namespace kelo
