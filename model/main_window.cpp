#include "model/main_window.h"

#include "model/design/main_design.h"

namespace kelo {

namespace {
void putIn(Frame& f, Control& c) { c.Container = &f; }
template <class T>
void putIn(Frame& f, ControlArray<T>& a) {
    a.forEach([&](T& e) { e.Container = &f; });
}
template <class... Member>
void into(Frame& f, Member&... members) {
    (putIn(f, members), ...);
}
void itemsInto(Frame& f, ControlArray<Label>& a, int first, int last) {
    for (int i = first; i <= last; ++i) a[i].Container = &f;
}
}  // namespace

frmKeloTrundo15::frmKeloTrundo15(Platform& platform) : Form(platform) {
    Name = "frmKeloTrundo15";
    placeInFrames();
    placeInPaintingOrder();
    applyMainDesign(*this);
}

void frmKeloTrundo15::placeInFrames() {
    into(FraStoComponendo, lblScritteVarie[40]);
    into(FraESci, lblScritteVarie[87], cmdEsci);

    // The engine panel: melody and playback tables, pivot test inputs, developer buttons.
    into(Frame3, lblMod, lblDueQuarti, lblPerno, lblAccomp, lblMelos, lblStep, lblFreqInc[0], lblFreIncB[0]);
    itemsInto(Frame3, lblInciso, 23, 27);
    into(Frame3, lblStoComponendo, lblIncrementa, lblMem, lblStepAudio, lblIndiceAcc, lblCommandPrec, lblCoeff,
         lblCoeffAcc, lblRipetizioni, lblPrecedente, lblResto, lblNumeroVariante, lblCopiaTitolo, lblAccordoEsaminato,
         lblNotaEsaminata, lblNotaPernoScelta, lblCadenza[14], lblDir, lblModo, lblCopyCollegamento);
    into(Frame3, cmdScegliPrimiModuli, cmdScegliPrimiModuli2, cmdRicercaNotePerno, cmdTrovaNotePerno,
         cmdScegliCollegamento2, cmdAudio);

    // Title, persona, final-note and link scratch.
    into(Frame5, lblScegliTitolo, lblKelo, lblFine, lblMinFine, lblMaxFine, lblNotaAScelta, lblNotaBScelta, lblValMin,
         lblValMax);
    into(Frame5, lblTipologiaTitolo, lblKeloPrecedente, lblK, lblFileMancante, lblCasualeCollegamento, lblNotaPartenza,
         cmdTitoli, Command4, cmdKelo, cmdScegliCollegamento);

    // Module pairs and draw scratch, batch counters.
    into(Frame4, lblModuloScelto, lblModuloSceltoB, lblNotaP, lblPesoNotaP, lblNota2, lblPesoN, lblMinN, lblMaxN);
    into(Frame4, lblContaModuli, lblGigio, lblGigio2, shpIncisi, lblPrec, lblPassaggi, lblUguali, lbltentativi,
         cmdScegliArmonie, Command2, Command1, cmdScegliInciso, cmdScegliInciso2, cmdTuttieQuattro);
    into(Frame6, lblScelta, lblMinScelta, lblMaxScelta, cmdScegliCadenza);
    into(FraModulo1, lblScegliModulo, lblPeso, lblMin, lblMax, lblExp, cmdExp, cmdSelezionaModuli, cmdAssegnaModuli);
    into(Frame2, lblScegliModuloB, lblPesoB, lblMinB, lblMaxB, lblExp2, cmdExp2);
    itemsInto(Frame1[1], lblCollegamento, 81, 1120);
    into(Frame1[0], ShpIndicatore[33]);
}

// Back to front: the region panels, then the controls, frames before what they hold.
void frmKeloTrundo15::placeInPaintingOrder() {
    registerControls(
        ShpVari, ImgLogo, TxtTitolo, TxtCompositore, ImgNota, ShpStanghetta, ShpIndicatore, lblArmonie, lblInciso,
        lblFreqIncisi, lblRip, lblCadenza, lblFreCad, lblModulo, lblModuloB, lblFreqInc, lblFreIncB, lblAccordi,
        lblNotafinale, lblNota,
        // The link page is canvas (the bank part lies in its own hidden frame and is drawn with it),
        // so the engine panel, shown over the lower canvas, covers it.
        lblCollegamento, lblCercaNota, lblNotaA, lblNotaB, lblVeloc, lblModo, lblDefault, lblPulsante, lblPuls,
        lblVariante, cmdIncisi, lblMinore, lblScritteVarie,
        // Hidden panels with their working tables, then the banner, help text and exit question on top.
        Frame3, Frame5, Frame4, Frame6, FraModulo1, Frame2, Frame1, lblCopyCollegamento, lblMod, lblDueQuarti, lblPerno,
        lblAccomp, lblMelos, lblScelta, lblMinScelta, lblMaxScelta, lblScegliModulo, lblPeso, lblMin, lblMax,
        lblScegliModuloB, lblPesoB, lblMinB, lblMaxB, lblModuloScelto, lblModuloSceltoB, lblContaModuli, lblGigio,
        lblGigio2, shpIncisi, lblFine, lblMinFine, lblMaxFine, lblNotaP, lblPesoNotaP, lblNota2, lblPesoN, lblMinN,
        lblMaxN, lblAccordoEsaminato, lblNotaEsaminata, lblNotaPernoScelta, lblNotaAScelta, lblNotaBScelta, lblValMin,
        lblValMax, lblCasualeCollegamento, lblNotaPartenza, lblPrec, lblExp, lblExp2, lblPassaggi, lblUguali,
        lbltentativi, lblStoComponendo, lblIncrementa, lblMem, lblStep, lblStepAudio, lblIndiceAcc, lblCommandPrec,
        lblCoeff, lblCoeffAcc, lblRipetizioni, lblPrecedente, lblResto, lblNumeroVariante, lblCopiaTitolo,
        lblFileMancante, lblKelo, lblKeloPrecedente, lblK, lblScegliTitolo, lblTipologiaTitolo, lblDir, cmdScegliInciso,
        cmdScegliInciso2, Command1, Command2, Command4, cmdScegliPrimiModuli, cmdScegliPrimiModuli2, cmdSelezionaModuli,
        cmdAssegnaModuli, cmdTuttieQuattro, cmdScegliArmonie, cmdScegliCadenza, cmdRicercaNotePerno, cmdTrovaNotePerno,
        cmdScegliCollegamento, cmdScegliCollegamento2, cmdAudio, cmdExp, cmdExp2, cmdKelo, cmdTitoli, lblAvvertimento,
        FraStoComponendo, FraESci, cmdEsci,
        // Not painted; timers() keeps this order.
        TmrScaricaSplash, TmrSignori, TmrESci, TmrMostraMelodia, TmrMostraMelodiaDaFile, TmrAudio, TmrReplay, TmrPagina,
        TmrAccordi, TmrCollegamento, TmrFinali, TmrFreCad, TmrIncisi, TmrMod, TmrModB, TmrNota, TmrRip, TmrVeloc,
        TmrExp, TmrExp2, TmrProva, TmrProvaErrore, mmcPiano, mmcAccordi, mmcKelo, CommonDialog1, CommonDialog2);
}

}  // namespace kelo
