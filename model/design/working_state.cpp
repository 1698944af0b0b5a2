// Design values of the working tables that later code relies on as initial
// values: melody, draw scratch, reveal, playback, persona and title state.
#include "model/design/design_kit.h"
#include "model/design/regions.h"
#include "model/main_window.h"

namespace kelo::design {

void workingState(frmKeloTrundo15& f) {
    f.lblInciso[24].Caption = "A";  // every song form begins with A

    f.lblMaxScelta[0].Caption = "0";
    f.lblScegliModulo[0].Caption = "0";
    f.lblScegliModuloB[0].Caption = "";
    for (int k = 1; k <= 13; ++k) {
        f.lblPeso[k].Caption = "0";
        f.lblPesoB[k].Caption = "0";
    }
    f.lblMax[0].Caption = "0";
    f.lblMaxB[0].Caption = "0";
    f.lblContaModuli.Caption = "0";
    f.shpIncisi.BackColor = ColoreSpento;

    f.lblAccordoEsaminato.Caption = "FA+";
    f.lblNotaEsaminata.Caption = "si";
    f.lblValMax[0].Caption = "0";
    f.lblNotaPartenza.Caption = "DO";

    for (int k = 0; k <= 13; ++k) f.lblExp[k].Caption = "0";
    f.lblPassaggi.Caption = "0";
    f.lblUguali.Caption = "0";
    f.lbltentativi.Caption = "0";

    f.lblStoComponendo.Caption = "1";
    f.lblIncrementa.Caption = "0";
    for (Label* c :
         {&f.lblStepAudio, &f.lblIndiceAcc, &f.lblCommandPrec, &f.lblCoeff, &f.lblCoeffAcc, &f.lblRipetizioni})
        c->Caption = "0";
    f.lblPrecedente.Caption = "10";
    f.lblResto.Visible = false;

    f.lblNumeroVariante.Caption = "0";
    f.lblNumeroVariante.BackColor = ColoreSpento;
    hiddenCell(f.lblFileMancante);

    f.lblKelo[0].Caption = "1";
    f.lblKeloPrecedente.Caption = "1";
    f.lblKeloPrecedente.BackColor = ColoreKeloPronto;
    f.lblK.Caption = "0";
    f.lblScegliTitolo[0].Caption = "0";
    f.lblScegliTitolo[1].BorderStyle = 1;  // the greeting counts as said
    f.lblTipologiaTitolo.Caption = "0";

    hiddenCell(f.lblDir);
}

void timersAndPlayers(frmKeloTrundo15& f) {
    struct Interval {
        Timer* timer;
        int ms;
    };
    const Interval intervals[] = {
        {&f.TmrScaricaSplash, 500},
        {&f.TmrSignori, 2500},
        {&f.TmrESci, 1500},
        {&f.TmrMostraMelodia, 105},
        {&f.TmrMostraMelodiaDaFile, 105},
        {&f.TmrAudio, 114},
        {&f.TmrReplay, 1000},
        {&f.TmrPagina, 150},
        {&f.TmrAccordi, 125},
        {&f.TmrCollegamento, 125},
        {&f.TmrFinali, 125},
        {&f.TmrFreCad, 125},
        {&f.TmrIncisi, 125},
        {&f.TmrMod, 125},
        {&f.TmrModB, 125},
        {&f.TmrNota, 125},
        {&f.TmrRip, 125},
        {&f.TmrVeloc, 125},
        {&f.TmrExp, 50},
        {&f.TmrExp2, 50},
        {&f.TmrProva, 50},
        {&f.TmrProvaErrore, 4500},
    };
    for (const Interval& i : intervals) {
        i.timer->SetEnabled(false);
        i.timer->SetInterval(i.ms);
    }
}

}  // namespace kelo::design
