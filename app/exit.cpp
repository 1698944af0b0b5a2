#include "app/exit.h"

#include "app/command_buttons.h"
#include "model/cell_roles.h"
#include "model/colours.h"
#include "model/form_services.h"
#include "model/main_window.h"
#include "model/splash_window.h"
#include "player/sample_player.h"
#include "settings/user_settings.h"

namespace kelo {

namespace {
// Everything that could still start a sound or rewrite the title during the farewell.
void stopPendingWork(frmKeloTrundo15& f) {
    Timer* timers[] = {&f.TmrAudio,         &f.TmrReplay,  &f.TmrMostraMelodia, &f.TmrMostraMelodiaDaFile,
                       &f.TmrScaricaSplash, &f.TmrSignori, &f.TmrPagina,        &f.TmrAccordi,
                       &f.TmrCollegamento,  &f.TmrFinali,  &f.TmrFreCad,        &f.TmrIncisi,
                       &f.TmrMod,           &f.TmrModB,    &f.TmrNota,          &f.TmrRip,
                       &f.TmrVeloc,         &f.TmrExp,     &f.TmrExp2,          &f.TmrProva};
    for (Timer* t : timers) t->SetEnabled(false);
    f.FraStoComponendo.Visible = false;  // a reveal cut short leaves no banner over the farewell
    if (f.splash && f.splash->Loaded) f.splash->mmcAllarme.Command("Close");  // its own close was pending
}
}  // namespace

void cmdEsci_Click(frmKeloTrundo15& f, int Index) {
    if (Index != Esci::Si) {
        f.FraESci.Visible = false;
        f.lblPuls[Puls::Esc].Enabled = true;
        f.lblPuls[Puls::Esc].BackColor = ColoreSpento;
        return;
    }
    f.FraESci.Visible = false;
    f.lblPuls[Puls::Esc].BackColor = ColoreSpento;
    f.lblPuls[Puls::Esc].Enabled = false;
    stopPendingWork(f);
    SalvaImpostazioniUtente(f);
    f.TxtTitolo.ForeColor = ColoreRossoScuro;
    f.TxtTitolo.Text = "Addio!";
    for (int i = 1; i <= 12; ++i) f.mmcKelo[i].Command("Close");
    for (int i = 1; i <= 19; ++i) f.mmcAccordi[i].Command("Close");  // loaded melodies sound 13..19 too
    for (int i = 1; i <= 10; ++i) f.mmcPiano[i].Command("Close");
    for (int i = 1; i <= 33; ++i) f.ShpIndicatore[i].Visible = false;
    f.lblPulsante[Pulsante::Esegui].Enabled = false;
    AvviaCampione(f.mmcKelo[Kelo::Addio]);
    f.TmrESci.SetEnabled(true);
}

void TmrESci_Timer(frmKeloTrundo15& f) {
    f.TmrESci.SetEnabled(false);
    Unload(*f.splash);
    Unload(f);
}

void ImgLogo_Click(frmKeloTrundo15& f) {
    if (f.Frame3.Visible) {
        f.Frame3.Visible = false;
        return;
    }
    f.Frame3.Left = 0;
    f.Frame3.Top = 6240;
    f.Frame3.Visible = true;
}

void AlternaPannelloInterno(frmKeloTrundo15& f) {
    if (f.Frame3.Visible) {
        f.Frame3.Visible = false;
        return;
    }
    f.Frame3.Visible = true;
    f.Frame3.Left = 0;
    f.Frame3.Top = 5880;
}

void lblScritteVarie_Click(frmKeloTrundo15& f, int) { f.Frame5.Visible = false; }

void RichiestaChiusura(frmKeloTrundo15& f) {
    if (f.lblPuls[Puls::Esc].Enabled && f.lblPuls[Puls::Esc].Visible) lblPuls_Click(f, Puls::Esc);
}

}  // namespace kelo
