#include "engine/compose.h"

#include "engine/harmony.h"
#include "engine/link_cases.h"
#include "engine/melodic_links.h"
#include "engine/pivot_notes.h"
#include "engine/rhythm_modules.h"
#include "engine/song_form.h"
#include "engine/tempo.h"
#include "model/cell_access.h"
#include "model/cell_roles.h"
#include "model/main_window.h"
#include "model/random_draw.h"

namespace kelo {

namespace {
void clearHarmony(frmKeloTrundo15& f) {
    f.lblArmonie[DueQuarti::Primo].Visible = false;
    f.lblArmonie[DueQuarti::Primo].Caption = "DO+";
    f.lblAccomp[DueQuarti::Primo].Caption.clear();
    for (int j = 2; j <= 16; ++j) {
        f.lblArmonie[j].Visible = false;
        f.lblArmonie[j].Caption.clear();
        f.lblAccomp[j].Caption.clear();
    }
}
}  // namespace

void ComponiMelodia(frmKeloTrundo15& f) {
    clearHarmony(f);

    Command1_Click(f);
    cmdScegliInciso_Click(f);
    cmdScegliPrimiModuli_Click(f);
    cmdScegliPrimiModuli2_Click(f);
    cmdScegliArmonie_Click(f);
    cmdRicercaNotePerno_Click(f);
    cmdScegliCollegamento2_Click(f);
    RifinisciMelodia(f);
}

void RifinisciMelodia(frmKeloTrundo15& f) {
    if (isOn(f.lblFreqIncisi[FreqIncisi::Copy])) {
        int chance = number(f.lblRip);
        int r = NumeroCasuale(f, 16);
        if (r >= 1 && r <= chance) CopiaSezioneRipetuta(f);
    }
    if (isOn(f.lblPulsante[Pulsante::Random])) ScegliVelocita(f);
    ApplicaCadenza(f);
}

void AvviaRivelazione(frmKeloTrundo15& f) {
    f.TmrMostraMelodia.SetEnabled(true);
    RipristinaPaginaVista(f);
    f.FraStoComponendo.Visible = true;
}

}  // namespace kelo
