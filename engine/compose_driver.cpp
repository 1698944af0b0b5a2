#include "engine/compose_driver.h"

#include <string>

#include "app/main_window.h"
#include "engine/cell_access.h"
#include "engine/harmony.h"
#include "engine/link_cases.h"
#include "engine/melodic_links.h"
#include "engine/pivot_notes.h"
#include "engine/random_draw.h"
#include "engine/rhythm_modules.h"
#include "engine/song_form.h"
#include "engine/tempo.h"
#include "platform/runtime_error.h"
#include "player/persona.h"

namespace kelo {

namespace {

// Nesting of the running press: lives only while a press runs (the outermost
// call starts it at zero), so nothing outlives the event.
struct PressDepth {
    int depth = 0;
    int restarts = 0;
};
thread_local PressDepth tPress;

struct NestedCall {
    NestedCall() {
        if (tPress.depth == 0) tPress.restarts = 0;
        else if (++tPress.restarts > kMaxRestarts)
            raise(ErrorCode::InvalidCall, "the composition restarted " + std::to_string(kMaxRestarts) +
                                              " times in one press: the module pools cannot give four different pairs");
        ++tPress.depth;
    }
    ~NestedCall() { --tPress.depth; }
    NestedCall(const NestedCall&) = delete;
    NestedCall& operator=(const NestedCall&) = delete;
};

void stopPlayback(frmKeloTrundo15& f) {
    f.lblStepAudio.Caption = "0";
    f.lblIndiceAcc.Caption = "0";
    f.lblCoeffAcc.Caption = "0";
    f.lblCommandPrec.Caption = "0";
    f.TmrAudio.SetEnabled(false);
    f.lblPulsante[1].Enabled = true;
    f.lblCoeff.Caption = "0";
    f.lblPulsante[3].BackColor = ColoreSpento;
    f.lblPulsante[3].Caption = ">";
    for (int i = 0; i <= 10; ++i) f.mmcPiano[i].Command("Close");
    for (int i = 0; i <= 19; ++i) f.mmcAccordi[i].Command("Close");
    for (int k = 1; k <= 32; ++k) f.ShpIndicatore[k].BackColor = ColoreSpento;
}

void restoreViewedPage(frmKeloTrundo15& f) {
    f.lblCercaNota[0].Caption = f.lblCopyCollegamento[0].Caption;
    f.lblCercaNota[5].Caption = f.lblCopyCollegamento[1].Caption;
    f.lblCollegamento[0].Caption = f.lblCopyCollegamento[2].Caption;
    CaricaCasoCollegamento(f);
    CaricaPaginaCollegamento(f);
}

}  // namespace

void cmdIncisi_Click(frmKeloTrundo15& f) {
    NestedCall press;

    f.lblAvvertimento.Visible = false;
    f.lblNumeroVariante.Caption = "0";
    f.lblNumeroVariante.BackColor = ColoreSpento;
    f.TmrReplay.SetEnabled(false);
    f.lblPulsante[3].Enabled = false;
    for (int i = 1; i <= 4; ++i) f.lblPuls[i].Enabled = false;

    // The link stage moves the case on show; the user's page comes back at the end.
    f.lblCopyCollegamento[0].Caption = f.lblCercaNota[0].Caption;
    f.lblCopyCollegamento[1].Caption = f.lblCercaNota[5].Caption;
    f.lblCopyCollegamento[2].Caption = f.lblCollegamento[0].Caption;

    f.lblRipetizioni.Caption = "0";
    f.lblVariante.Enabled = true;
    if (f.TmrAudio.Enabled()) stopPlayback(f);

    f.cmdIncisi.Enabled = false;
    f.lblScritteVarie[40].Visible = true;
    f.TxtCompositore.Visible = false;
    f.lblMem.Caption.clear();

    f.lblArmonie[1].Visible = false;
    f.lblArmonie[1].Caption = "DO+";
    f.lblAccomp[1].Caption.clear();
    for (int j = 2; j <= 16; ++j) {
        f.lblArmonie[j].Visible = false;
        f.lblArmonie[j].Caption.clear();
        f.lblAccomp[j].Caption.clear();
    }
    f.lblStoComponendo.Caption = "1";
    f.lblIncrementa.Caption = "0";

    Command1_Click(f);
    cmdScegliInciso_Click(f);
    cmdScegliPrimiModuli_Click(f);
    cmdScegliPrimiModuli2_Click(f);
    cmdScegliArmonie_Click(f);
    cmdRicercaNotePerno_Click(f);
    cmdScegliCollegamento2_Click(f);

    if (isOn(f.lblFreqIncisi[0])) {
        int chance = number(f.lblRip);
        int r = NumeroCasuale(f, 16);
        if (r >= 1 && r <= chance) CopiaSezioneRipetuta(f);
    }
    if (isOn(f.lblPulsante[5])) ScegliVelocita(f);
    ApplicaCadenza(f);
    f.TmrMostraMelodia.SetEnabled(true);
    restoreViewedPage(f);
    if (isOn(f.lblPulsante[7])) cmdKelo_Click(f);
    f.FraStoComponendo.Visible = true;
}

}  // namespace kelo
