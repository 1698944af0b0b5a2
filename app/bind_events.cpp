#include "app/bind_events.h"

#include "app/command_buttons.h"
#include "app/compose_button.h"
#include "app/exit.h"
#include "app/self_test.h"
#include "app/startup.h"
#include "app/variant_button.h"
#include "engine/harmony.h"
#include "engine/melodic_links.h"
#include "engine/module_statistics.h"
#include "engine/pivot_notes.h"
#include "engine/rhythm_modules.h"
#include "engine/song_form.h"
#include "model/main_window.h"
#include "model/splash_window.h"
#include "player/label_buttons.h"
#include "player/persona.h"
#include "player/score_display.h"
#include "player/sequencer.h"
#include "settings/factory_defaults.h"
#include "settings/link_page_editor.h"
#include "settings/module_lists.h"
#include "settings/switches.h"
#include "settings/tempo_level.h"
#include "settings/weight_steppers.h"
#include "titles/title_types.h"

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

// Every weight, switch, link cell and the tempo: pressed, held and released.
void bindSettingsEditors(frmKeloTrundo15& f) {
    struct Editor {
        Events& on;
        MouseHandler down, up;
        Timer* timer;
        void (*tick)(frmKeloTrundo15&);
    };
    const Editor editors[] = {
        {f.lblAccordi.On, lblAccordi_MouseDown, lblAccordi_MouseUp, &f.TmrAccordi, TmrAccordi_Timer},
        {f.lblFreCad.On, lblFreCad_MouseDown, lblFreCad_MouseUp, &f.TmrFreCad, TmrFreCad_Timer},
        {f.lblNota.On, lblNota_MouseDown, lblNota_MouseUp, &f.TmrNota, TmrNota_Timer},
        {f.lblFreqIncisi.On, lblFreqIncisi_MouseDown, lblFreqIncisi_MouseUp, &f.TmrIncisi, TmrIncisi_Timer},
        {f.lblNotafinale.On, lblNotafinale_MouseDown, lblNotafinale_MouseUp, &f.TmrFinali, TmrFinali_Timer},
        {f.lblFreqInc.On, lblFreqInc_MouseDown, lblFreqInc_MouseUp, &f.TmrMod, TmrMod_Timer},
        {f.lblFreIncB.On, lblFreIncB_MouseDown, lblFreIncB_MouseUp, &f.TmrModB, TmrModB_Timer},
        {f.lblCollegamento.On, lblCollegamento_MouseDown, lblCollegamento_MouseUp, &f.TmrCollegamento,
         TmrCollegamento_Timer},
        {f.lblCercaNota.On, lblCercaNota_MouseDown, lblCercaNota_MouseUp, &f.TmrPagina, TmrPagina_Timer},
        {f.lblVeloc.On, lblVeloc_MouseDown, lblVeloc_MouseUp, &f.TmrVeloc, TmrVeloc_Timer},
        {f.lblModulo.On, lblModulo_MouseDown, nullptr, nullptr, nullptr},
        {f.lblModuloB.On, lblModuloB_MouseDown, nullptr, nullptr, nullptr},
        {f.lblCadenza.On, lblCadenza_MouseDown, nullptr, nullptr, nullptr},
        {f.lblInciso.On, lblInciso_MouseDown, nullptr, nullptr, nullptr},
    };
    for (const Editor& e : editors) {
        bindMouse(f, e.on, e.down, e.up);
        if (e.timer) e.timer->OnTick = [&f, tick = e.tick] { tick(f); };
    }
    bindMouse(f, f.on(f.lblRip), lblRip_MouseDown, lblRip_MouseUp);
    f.TmrRip.OnTick = [&f] { TmrRip_Timer(f); };
    bindMouse(f, f.on(f.lblModo), lblModo_MouseDown, lblModo_MouseUp);
}

// The developer buttons of the hidden panels, each running one stage or one run,
// and the three timers of the runs.
void bindDeveloperPanels(frmKeloTrundo15& f) {
    using Handler = void (*)(frmKeloTrundo15&);
    const std::pair<Control&, Handler> clicks[] = {
        {f.cmdScegliInciso, cmdScegliInciso_Click},
        {f.cmdScegliInciso2, cmdScegliInciso2_Click},
        {f.Command1, Command1_Click},
        {f.Command2, Command2_Click},
        {f.Command4, ScegliNotaFinale},
        {f.cmdScegliPrimiModuli, cmdScegliPrimiModuli_Click},
        {f.cmdScegliPrimiModuli2, cmdScegliPrimiModuli2_Click},
        {f.cmdSelezionaModuli, ElencaModuliScelti},
        {f.cmdAssegnaModuli, cmdAssegnaModuli_Click},
        {f.cmdTuttieQuattro, cmdTuttieQuattro_Click},
        {f.cmdScegliArmonie, cmdScegliArmonie_Click},
        {f.cmdScegliCadenza, EstraiCadenza},
        {f.cmdRicercaNotePerno, cmdRicercaNotePerno_Click},
        {f.cmdTrovaNotePerno, cmdTrovaNotePerno_Click},
        {f.lblAccordoEsaminato, lblAccordoEsaminato_Click},
        {f.lblNotaEsaminata, lblNotaEsaminata_Click},
        {f.cmdScegliCollegamento, cmdScegliCollegamento_Click},
        {f.cmdScegliCollegamento2, cmdScegliCollegamento2_Click},
        {f.cmdExp, cmdExp_Click},
        {f.cmdExp2, cmdExp2_Click},
        {f.cmdKelo, cmdKelo_Click},
    };
    for (const auto& [control, handler] : clicks) f.on(control).Click = [&f, run = handler](int) { run(f); };
    f.TmrExp.OnTick = [&f] { TmrExp_Timer(f); };
    f.TmrExp2.OnTick = [&f] { TmrExp2_Timer(f); };
    f.TmrProva.OnTick = [&f] { TmrProva_Timer(f); };
}

}  // namespace

void BindEvents(frmSplashKelo2020& s) {
    s.TmrVia.OnTick = [&s] { TmrVia_Timer(s); };
}

void BindEvents(frmKeloTrundo15& f) {
    f.TmrScaricaSplash.OnTick = [&f] { TmrScaricaSplash_Timer(f); };
    f.TmrSignori.OnTick = [&f] { TmrSignori_Timer(f); };
    f.TmrESci.OnTick = [&f] { TmrESci_Timer(f); };
    f.TmrMostraMelodia.OnTick = [&f] { TmrMostraMelodia_Timer(f); };
    f.TmrMostraMelodiaDaFile.OnTick = [&f] { TmrMostraMelodiaDaFile_Timer(f); };
    f.TmrAudio.OnTick = [&f] { TmrAudio_Timer(f); };
    f.TmrReplay.OnTick = [&f] { TmrReplay_Timer(f); };

    f.on(f.cmdIncisi).Click = [&f](int) { cmdIncisi_Click(f); };
    f.cmdEsci.On.Click = [&f](int i) { cmdEsci_Click(f, i); };
    f.on(f.ImgLogo).Click = [&f](int) { ImgLogo_Click(f); };
    f.on(f.cmdTitoli).Click = [&f](int) { cmdTitoli_Click(f); };
    f.lblScritteVarie.On.Click = [&f](int i) { lblScritteVarie_Click(f, i); };
    f.lblPuls.On.Click = [&f](int i) { lblPuls_Click(f, i); };
    f.lblPulsante.On.Click = [&f](int i) { lblPulsante_Click(f, i); };
    f.on(f.cmdAudio).Click = [&f](int) { cmdAudio_Click(f); };
    f.CloseRequested = [&f] { RichiestaChiusura(f); };

    bindMouse(f, f.lblDefault.On, lblDefault_MouseDown, lblDefault_MouseUp);
    bindSettingsEditors(f);

    f.on(f.lblVariante).MouseDown = [&f](int, const MouseArgs& m) { lblVariante_MouseDown(f, m); };
    bindDeveloperPanels(f);
}

}  // namespace kelo
