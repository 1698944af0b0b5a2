#include "app/compose_button.h"

#include <string>

#include "engine/compose.h"
#include "engine/link_cases.h"
#include "model/cell_access.h"
#include "model/cell_roles.h"
#include "model/main_window.h"
#include "platform/runtime_error.h"
#include "player/persona.h"
#include "player/score_display.h"
#include "player/sequencer.h"
#include "settings/link_page_editor.h"

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
        if (tPress.depth == 0)
            tPress.restarts = 0;
        else if (++tPress.restarts > kMaxRestarts)
            raise(ErrorCode::InvalidCall, "the composition restarted " + std::to_string(kMaxRestarts) +
                                              " times in one press: the module pools cannot give four different pairs");
        ++tPress.depth;
    }
    ~NestedCall() { --tPress.depth; }
    NestedCall(const NestedCall&) = delete;
    NestedCall& operator=(const NestedCall&) = delete;
};

}  // namespace

void PreparaComposizione(frmKeloTrundo15& f) {
    f.cmdIncisi.Enabled = false;
    f.TmrReplay.SetEnabled(false);
    f.lblPulsante[Pulsante::Esegui].Enabled = false;
    AbilitaFile(f, false);
    ScriviCollegamentoTenuto(f);
    SalvaPaginaVista(f);  // the link stage moves the case on show
    if (f.TmrAudio.Enabled()) FermaEsecuzione(f, 0);
    PreparaRivelazione(f);
    f.TxtCompositore.Visible = false;
}

void cmdIncisi_Click(frmKeloTrundo15& f) {
    NestedCall press;

    SegnaNuovaMelodia(f);
    f.lblVariante.Enabled = true;
    PreparaComposizione(f);
    f.lblScritteVarie[ScritteVarie::Componendo].Visible = true;

    ComponiMelodia(f);

    AvviaRivelazione(f);
    if (isOn(f.lblPulsante[Pulsante::Commenti])) cmdKelo_Click(f);
}

}  // namespace kelo
