#include "app/bind_events.h"

#include "app/compose_button.h"
#include "app/exit.h"
#include "app/startup.h"
#include "model/main_window.h"
#include "model/splash_window.h"
#include "player/label_buttons.h"
#include "settings/factory_defaults.h"
#include "settings/link_page_editor.h"
#include "settings/module_lists.h"
#include "settings/switches.h"
#include "settings/tempo_level.h"
#include "settings/weight_steppers.h"

namespace kelo {

namespace {

using MouseHandler = void (*)(frmKeloTrundo15&, int, const MouseArgs&);
using SingleMouseHandler = void (*)(frmKeloTrundo15&, const MouseArgs&);

void bindMouse(frmKeloTrundo15& f, Events& on, MouseHandler down, MouseHandler up = nullptr) {
    on.MouseDown = [&f, down](int i, const MouseArgs& m) { down(f, i, m); };
    if (up) on.MouseUp = [&f, up](int i, const MouseArgs& m) { up(f, i, m); };
}

void bindMouse(frmKeloTrundo15& f, Events& on, SingleMouseHandler down, SingleMouseHandler up) {
    on.MouseDown = [&f, down](int, const MouseArgs& m) { down(f, m); };
    on.MouseUp = [&f, up](int, const MouseArgs& m) { up(f, m); };
}

void bindTick(frmKeloTrundo15& f, Timer& t, void (*tick)(frmKeloTrundo15&)) {
    t.OnTick = [&f, tick] { tick(f); };
}

// Every weight, switch, link cell and the tempo: pressed, held and released.
void bindSettingsEditors(frmKeloTrundo15& f) {
    bindMouse(f, f.lblAccordi.On, lblAccordi_MouseDown, lblAccordi_MouseUp);
    bindTick(f, f.TmrAccordi, TmrAccordi_Timer);
    bindMouse(f, f.lblFreCad.On, lblFreCad_MouseDown, lblFreCad_MouseUp);
    bindTick(f, f.TmrFreCad, TmrFreCad_Timer);
    bindMouse(f, f.lblNota.On, lblNota_MouseDown, lblNota_MouseUp);
    bindTick(f, f.TmrNota, TmrNota_Timer);
    bindMouse(f, f.lblFreqIncisi.On, lblFreqIncisi_MouseDown, lblFreqIncisi_MouseUp);
    bindTick(f, f.TmrIncisi, TmrIncisi_Timer);
    bindMouse(f, f.lblNotafinale.On, lblNotafinale_MouseDown, lblNotafinale_MouseUp);
    bindTick(f, f.TmrFinali, TmrFinali_Timer);
    bindMouse(f, f.on(f.lblRip), lblRip_MouseDown, lblRip_MouseUp);
    bindTick(f, f.TmrRip, TmrRip_Timer);

    bindMouse(f, f.lblModulo.On, lblModulo_MouseDown);
    bindMouse(f, f.lblModuloB.On, lblModuloB_MouseDown);
    bindMouse(f, f.lblFreqInc.On, lblFreqInc_MouseDown, lblFreqInc_MouseUp);
    bindTick(f, f.TmrMod, TmrMod_Timer);
    bindMouse(f, f.lblFreIncB.On, lblFreIncB_MouseDown, lblFreIncB_MouseUp);
    bindTick(f, f.TmrModB, TmrModB_Timer);

    bindMouse(f, f.lblCadenza.On, lblCadenza_MouseDown);
    bindMouse(f, f.lblInciso.On, lblInciso_MouseDown);
    bindMouse(f, f.on(f.lblModo), lblModo_MouseDown, lblModo_MouseUp);

    bindMouse(f, f.lblCollegamento.On, lblCollegamento_MouseDown, lblCollegamento_MouseUp);
    bindTick(f, f.TmrCollegamento, TmrCollegamento_Timer);
    bindMouse(f, f.lblCercaNota.On, lblCercaNota_MouseDown, lblCercaNota_MouseUp);
    bindTick(f, f.TmrPagina, TmrPagina_Timer);

    bindMouse(f, f.lblVeloc.On, lblVeloc_MouseDown, lblVeloc_MouseUp);
    bindTick(f, f.TmrVeloc, TmrVeloc_Timer);
}

}  // namespace

void BindEvents(frmSplashKelo2020& s) { s.TmrVia.OnTick = [&s] { TmrVia_Timer(s); }; }

void BindEvents(frmKeloTrundo15& f) {
    f.TmrScaricaSplash.OnTick = [&f] { TmrScaricaSplash_Timer(f); };
    f.TmrSignori.OnTick = [&f] { TmrSignori_Timer(f); };
    f.TmrESci.OnTick = [&f] { TmrESci_Timer(f); };

    f.on(f.cmdIncisi).Click = [&f](int) { cmdIncisi_Click(f); };
    f.cmdEsci.On.Click = [&f](int i) { cmdEsci_Click(f, i); };
    f.on(f.ImgLogo).Click = [&f](int) { ImgLogo_Click(f); };
    f.lblScritteVarie.On.Click = [&f](int i) { lblScritteVarie_Click(f, i); };
    f.lblPuls.On.Click = [&f](int i) { lblPuls_Click(f, i); };
    f.CloseRequested = [&f] { RichiestaChiusura(f); };

    bindMouse(f, f.lblDefault.On, lblDefault_MouseDown, lblDefault_MouseUp);
    bindSettingsEditors(f);
}

}  // namespace kelo
