// The hidden panels: the engine panel, the scratch panels that are never shown
// and the frame that holds the link bank; and the developer buttons on them.
#include "app/design/design_kit.h"
#include "app/design/regions.h"
#include "app/main_window.h"

namespace kelo::design {

namespace {
void devButton(CommandButton& b, const char* caption, float left, float top, float width = 1695) {
    b.place(left, top, width, 375);
    b.Caption = caption;
}
}  // namespace

void panels(frmKeloTrundo15& f) {
    Frame& engine = f.Frame3;
    engine.place(-1560, 6720, 13335, 5535);
    engine.BackColor = ColoreVerde;
    engine.Border = true;
    engine.Visible = false;

    Frame& scratch = f.Frame5;
    scratch.place(15240, -720, 2775, 10095);
    scratch.Visible = false;

    // Never shown: placed below the canvas.
    Frame* never[] = {&f.Frame4, &f.Frame6, &f.FraModulo1, &f.Frame2, &f.Frame1[0], &f.Frame1[1]};
    float top = 12000;
    for (Frame* fr : never) {
        fr->place(0, top, 15000, 6000);
        fr->Visible = false;
        top += 6000;
    }

    devButton(f.cmdScegliPrimiModuli, "Scegli Primi Moduli", 120, 4920);
    devButton(f.cmdScegliPrimiModuli2, "Scegli Secondi Moduli", 1920, 4920);
    f.cmdScegliPrimiModuli.Visible = false;
    f.cmdScegliPrimiModuli2.Visible = false;
    devButton(f.cmdRicercaNotePerno, "Ricerca Note Perno", 3720, 4920);
    devButton(f.cmdTrovaNotePerno, "Trova Note Perno", 5520, 4920);
    devButton(f.cmdScegliCollegamento2, "Command3", 7320, 4920);
    devButton(f.cmdAudio, "Audio", 9120, 4920, 1095);

    devButton(f.cmdTitoli, "Titoli", 120, 9360, 1095);
    devButton(f.Command4, "Command4", 1320, 9360, 1095);
    devButton(f.cmdKelo, "Kelo", 120, 8880, 1095);
    devButton(f.cmdScegliCollegamento, "Scegli Collegamento", 120, 8400, 2175);

    devButton(f.Command1, "Riazzera", 120, 120);
    devButton(f.Command2, "Command2", 1920, 120);
    devButton(f.cmdScegliArmonie, "Scegli Armonie", 3720, 120);
    devButton(f.cmdScegliInciso, "Scegli Inciso", 5520, 120);
    devButton(f.cmdScegliInciso2, "Scegli Inciso 2", 7320, 120);
    devButton(f.cmdTuttieQuattro, "Tutti e Quattro", 9120, 120);
    devButton(f.cmdScegliCadenza, "Scegli Cadenza", 120, 120);
    devButton(f.cmdExp, "Exp", 120, 120, 735);
    devButton(f.cmdSelezionaModuli, "Seleziona Moduli", 960, 120);
    devButton(f.cmdAssegnaModuli, "Assegna Moduli", 2760, 120);
    devButton(f.cmdExp2, "Exp", 120, 120, 735);
}

}  // namespace kelo::design
