#include "model/main_window.h"

#include "model/design/main_design.h"

namespace kelo {

frmKeloTrundo15::frmKeloTrundo15(Platform& platform) : Form(platform) {
    Name = "frmKeloTrundo15";
    declareElements();
    placeInFrames();
    registerControls();
    applyMainDesign(*this);
}

// Which design indices exist; the gaps are the design's own.
void frmKeloTrundo15::declareElements() {
    Frame1.add(0, 1);
    ShpVari.add(0, 78);
    lblScritteVarie.add(0, 75);
    lblScritteVarie.add(87);

    lblInciso.add(0, 16);
    lblInciso.add(23, 27);
    lblFreqIncisi.add(0, 16);
    lblCadenza.add(0, 14);
    lblFreCad.add(0, 13);
    lblModulo.add(1, 13);
    lblModuloB.add(1, 13);
    lblFreqInc.add(0, 13);
    lblFreqInc.add(25, 26);
    lblFreIncB.add(0, 13);
    lblFreIncB.add(25, 26);
    lblAccordi.add(0, 9);
    lblNotafinale.add(0, 4);
    lblNota.add(0, 130);
    lblCollegamento.add(0, 1120);
    lblCercaNota.add(0, 6);
    lblCopyCollegamento.add(0, 2);
    lblNotaA.add(0, 8);
    lblNotaB.add(1, 8);
    lblVeloc.add(0, 4);
    lblDefault.add(0, 7);

    lblMod.add(1, 8);
    lblDueQuarti.add(1, 16);
    lblPerno.add(1, 16);
    lblArmonie.add(1, 16);
    lblAccomp.add(1, 16);
    lblMelos.add(1, 32);

    lblScelta.add(0, 15);
    lblMinScelta.add(0, 16);
    lblMaxScelta.add(0, 16);
    lblScegliModulo.add(0, 14);
    lblPeso.add(1, 13);
    lblMin.add(0, 13);
    lblMax.add(0, 14);
    lblScegliModuloB.add(0, 14);
    lblPesoB.add(1, 13);
    lblMinB.add(0, 13);
    lblMaxB.add(0, 14);
    lblModuloScelto.add(1, 4);
    lblModuloSceltoB.add(1, 4);
    lblFine.add(0, 4);
    lblMinFine.add(0, 4);
    lblMaxFine.add(0, 4);
    lblNotaP.add(1, 5);
    lblPesoNotaP.add(1, 5);
    lblNota2.add(0, 5);
    lblPesoN.add(1, 5);
    lblMinN.add(0, 5);
    lblMaxN.add(0, 5);
    lblNotaAScelta.add(0, 8);
    lblNotaBScelta.add(0, 8);
    lblValMin.add(1, 8);
    lblValMax.add(0, 9);
    lblExp.add(0, 13);
    lblExp2.add(0, 13);

    lblStep.add(1, 64);
    lblKelo.add(0);
    lblScegliTitolo.add(0, 24);
    lblPulsante.add(0, 7);
    lblPuls.add(0, 4);
    cmdEsci.add(0, 1);
    ImgNota.add(1, 36);
    ShpIndicatore.add(0, 33);
    ShpStanghetta.add(1, 9);
    mmcPiano.add(0, 10);
    mmcAccordi.add(0, 19);
    mmcKelo.add(0, 13);
}

void frmKeloTrundo15::placeInFrames() {
    auto into = [](Frame& f, auto&... controls) { ((controls.Container = &f), ...); };
    auto arrayInto = [](Frame& f, auto& array, int lo, int hi) {
        for (int i = lo; i <= hi; ++i)
            if (array.has(i)) array[i].Container = &f;
    };

    into(FraStoComponendo, lblScritteVarie[40]);
    into(FraESci, lblScritteVarie[87]);
    arrayInto(FraESci, cmdEsci, 0, 1);

    // The engine panel: melody and playback tables, pivot test inputs, developer buttons.
    arrayInto(Frame3, lblMod, 1, 8);
    arrayInto(Frame3, lblDueQuarti, 1, 16);
    arrayInto(Frame3, lblPerno, 1, 16);
    arrayInto(Frame3, lblAccomp, 1, 16);
    arrayInto(Frame3, lblMelos, 1, 32);
    arrayInto(Frame3, lblStep, 1, 64);
    arrayInto(Frame3, lblInciso, 23, 27);
    into(Frame3, lblFreqInc[0], lblFreIncB[0]);
    into(Frame3, lblStoComponendo, lblIncrementa, lblMem, lblStepAudio, lblIndiceAcc, lblCommandPrec, lblCoeff,
         lblCoeffAcc, lblRipetizioni, lblPrecedente, lblResto, lblNumeroVariante, lblCopiaTitolo, lblAccordoEsaminato,
         lblNotaEsaminata, lblNotaPernoScelta, lblCadenza[14], lblDir, lblModo, lblCopyCollegamento[0],
         lblCopyCollegamento[1], lblCopyCollegamento[2]);
    into(Frame3, cmdScegliPrimiModuli, cmdScegliPrimiModuli2, cmdRicercaNotePerno, cmdTrovaNotePerno,
         cmdScegliCollegamento2, cmdAudio);

    // Title, persona, final-note and link scratch.
    arrayInto(Frame5, lblScegliTitolo, 0, 24);
    arrayInto(Frame5, lblKelo, 0, 0);
    arrayInto(Frame5, lblFine, 0, 4);
    arrayInto(Frame5, lblMinFine, 0, 4);
    arrayInto(Frame5, lblMaxFine, 0, 4);
    arrayInto(Frame5, lblNotaAScelta, 0, 8);
    arrayInto(Frame5, lblNotaBScelta, 0, 8);
    arrayInto(Frame5, lblValMin, 1, 8);
    arrayInto(Frame5, lblValMax, 0, 9);
    into(Frame5, lblTipologiaTitolo, lblKeloPrecedente, lblK, lblFileMancante, lblCasualeCollegamento,
         lblNotaPartenza, cmdTitoli, Command4, cmdKelo, cmdScegliCollegamento);

    // Module pairs and draw scratch, batch counters.
    arrayInto(Frame4, lblModuloScelto, 1, 4);
    arrayInto(Frame4, lblModuloSceltoB, 1, 4);
    arrayInto(Frame4, lblNotaP, 1, 5);
    arrayInto(Frame4, lblPesoNotaP, 1, 5);
    arrayInto(Frame4, lblNota2, 0, 5);
    arrayInto(Frame4, lblPesoN, 1, 5);
    arrayInto(Frame4, lblMinN, 0, 5);
    arrayInto(Frame4, lblMaxN, 0, 5);
    into(Frame4, lblContaModuli, lblGigio, lblGigio2, shpIncisi, lblPrec, lblPassaggi, lblUguali, lbltentativi,
         cmdScegliArmonie, Command2, Command1, cmdScegliInciso, cmdScegliInciso2, cmdTuttieQuattro);
    arrayInto(Frame6, lblScelta, 0, 15);
    arrayInto(Frame6, lblMinScelta, 0, 16);
    arrayInto(Frame6, lblMaxScelta, 0, 16);
    into(Frame6, cmdScegliCadenza);
    arrayInto(FraModulo1, lblScegliModulo, 0, 14);
    arrayInto(FraModulo1, lblPeso, 1, 13);
    arrayInto(FraModulo1, lblMin, 0, 13);
    arrayInto(FraModulo1, lblMax, 0, 14);
    arrayInto(FraModulo1, lblExp, 0, 13);
    into(FraModulo1, cmdExp, cmdSelezionaModuli, cmdAssegnaModuli);
    arrayInto(Frame2, lblScegliModuloB, 0, 14);
    arrayInto(Frame2, lblPesoB, 1, 13);
    arrayInto(Frame2, lblMinB, 0, 13);
    arrayInto(Frame2, lblMaxB, 0, 14);
    arrayInto(Frame2, lblExp2, 0, 13);
    into(Frame2, cmdExp2);
    arrayInto(Frame1[1], lblCollegamento, 81, 1120);
    into(Frame1[0], ShpIndicatore[33]);
}

// Back to front: the region panels, then the controls, frames before what they hold.
void frmKeloTrundo15::registerControls() {
    addArray(ShpVari);

    add(ImgLogo, "ImgLogo");
    add(TxtTitolo, "TxtTitolo");
    add(TxtCompositore, "TxtCompositore");
    addArray(ImgNota);
    addArray(ShpStanghetta);
    addArray(ShpIndicatore);
    addArray(lblArmonie);

    addArray(lblInciso);
    addArray(lblFreqIncisi);
    add(lblRip, "lblRip");
    addArray(lblCadenza);
    addArray(lblFreCad);
    addArray(lblModulo);
    addArray(lblModuloB);
    addArray(lblFreqInc);
    addArray(lblFreIncB);
    addArray(lblAccordi);
    addArray(lblNotafinale);
    addArray(lblNota);
    // The link page is canvas (the bank part lies in its own hidden frame and is drawn with it),
    // so the engine panel, shown over the lower canvas, covers it.
    addArray(lblCollegamento);
    addArray(lblCercaNota);
    addArray(lblNotaA);
    addArray(lblNotaB);
    addArray(lblVeloc);
    add(lblModo, "lblModo");
    addArray(lblDefault);
    addArray(lblPulsante);
    addArray(lblPuls);
    add(lblVariante, "lblVariante");
    add(cmdIncisi, "cmdIncisi");
    add(lblMinore, "lblMinore");
    addArray(lblScritteVarie);

    // Hidden panels with their working tables, then the banner, help text and exit question on top.
    add(Frame3, "Frame3");
    add(Frame5, "Frame5");
    add(Frame4, "Frame4");
    add(Frame6, "Frame6");
    add(FraModulo1, "FraModulo1");
    add(Frame2, "Frame2");
    addArray(Frame1);
    addArray(lblCopyCollegamento);
    addArray(lblMod);
    addArray(lblDueQuarti);
    addArray(lblPerno);
    addArray(lblAccomp);
    addArray(lblMelos);
    addArray(lblScelta);
    addArray(lblMinScelta);
    addArray(lblMaxScelta);
    addArray(lblScegliModulo);
    addArray(lblPeso);
    addArray(lblMin);
    addArray(lblMax);
    addArray(lblScegliModuloB);
    addArray(lblPesoB);
    addArray(lblMinB);
    addArray(lblMaxB);
    addArray(lblModuloScelto);
    addArray(lblModuloSceltoB);
    add(lblContaModuli, "lblContaModuli");
    add(lblGigio, "lblGigio");
    add(lblGigio2, "lblGigio2");
    add(shpIncisi, "shpIncisi");
    addArray(lblFine);
    addArray(lblMinFine);
    addArray(lblMaxFine);
    addArray(lblNotaP);
    addArray(lblPesoNotaP);
    addArray(lblNota2);
    addArray(lblPesoN);
    addArray(lblMinN);
    addArray(lblMaxN);
    add(lblAccordoEsaminato, "lblAccordoEsaminato");
    add(lblNotaEsaminata, "lblNotaEsaminata");
    add(lblNotaPernoScelta, "lblNotaPernoScelta");
    addArray(lblNotaAScelta);
    addArray(lblNotaBScelta);
    addArray(lblValMin);
    addArray(lblValMax);
    add(lblCasualeCollegamento, "lblCasualeCollegamento");
    add(lblNotaPartenza, "lblNotaPartenza");
    add(lblPrec, "lblPrec");
    addArray(lblExp);
    addArray(lblExp2);
    add(lblPassaggi, "lblPassaggi");
    add(lblUguali, "lblUguali");
    add(lbltentativi, "lbltentativi");
    add(lblStoComponendo, "lblStoComponendo");
    add(lblIncrementa, "lblIncrementa");
    add(lblMem, "lblMem");
    addArray(lblStep);
    add(lblStepAudio, "lblStepAudio");
    add(lblIndiceAcc, "lblIndiceAcc");
    add(lblCommandPrec, "lblCommandPrec");
    add(lblCoeff, "lblCoeff");
    add(lblCoeffAcc, "lblCoeffAcc");
    add(lblRipetizioni, "lblRipetizioni");
    add(lblPrecedente, "lblPrecedente");
    add(lblResto, "lblResto");
    add(lblNumeroVariante, "lblNumeroVariante");
    add(lblCopiaTitolo, "lblCopiaTitolo");
    add(lblFileMancante, "lblFileMancante");
    addArray(lblKelo);
    add(lblKeloPrecedente, "lblKeloPrecedente");
    add(lblK, "lblK");
    addArray(lblScegliTitolo);
    add(lblTipologiaTitolo, "lblTipologiaTitolo");
    add(lblDir, "lblDir");
    add(cmdScegliInciso, "cmdScegliInciso");
    add(cmdScegliInciso2, "cmdScegliInciso2");
    add(Command1, "Command1");
    add(Command2, "Command2");
    add(Command4, "Command4");
    add(cmdScegliPrimiModuli, "cmdScegliPrimiModuli");
    add(cmdScegliPrimiModuli2, "cmdScegliPrimiModuli2");
    add(cmdSelezionaModuli, "cmdSelezionaModuli");
    add(cmdAssegnaModuli, "cmdAssegnaModuli");
    add(cmdTuttieQuattro, "cmdTuttieQuattro");
    add(cmdScegliArmonie, "cmdScegliArmonie");
    add(cmdScegliCadenza, "cmdScegliCadenza");
    add(cmdRicercaNotePerno, "cmdRicercaNotePerno");
    add(cmdTrovaNotePerno, "cmdTrovaNotePerno");
    add(cmdScegliCollegamento, "cmdScegliCollegamento");
    add(cmdScegliCollegamento2, "cmdScegliCollegamento2");
    add(cmdAudio, "cmdAudio");
    add(cmdExp, "cmdExp");
    add(cmdExp2, "cmdExp2");
    add(cmdKelo, "cmdKelo");
    add(cmdTitoli, "cmdTitoli");

    add(lblAvvertimento, "lblAvvertimento");
    add(FraStoComponendo, "FraStoComponendo");
    add(FraESci, "FraESci");
    addArray(cmdEsci);

    add(TmrScaricaSplash, "TmrScaricaSplash");
    add(TmrSignori, "TmrSignori");
    add(TmrESci, "TmrESci");
    add(TmrMostraMelodia, "TmrMostraMelodia");
    add(TmrMostraMelodiaDaFile, "TmrMostraMelodiaDaFile");
    add(TmrAudio, "TmrAudio");
    add(TmrReplay, "TmrReplay");
    add(TmrPagina, "TmrPagina");
    add(TmrAccordi, "TmrAccordi");
    add(TmrCollegamento, "TmrCollegamento");
    add(TmrFinali, "TmrFinali");
    add(TmrFreCad, "TmrFreCad");
    add(TmrIncisi, "TmrIncisi");
    add(TmrMod, "TmrMod");
    add(TmrModB, "TmrModB");
    add(TmrNota, "TmrNota");
    add(TmrRip, "TmrRip");
    add(TmrVeloc, "TmrVeloc");
    add(TmrExp, "TmrExp");
    add(TmrExp2, "TmrExp2");
    add(TmrProva, "TmrProva");
    add(TmrProvaErrore, "TmrProvaErrore");

    addArray(mmcPiano);
    addArray(mmcAccordi);
    addArray(mmcKelo);
    add(CommonDialog1, "CommonDialog1");
    add(CommonDialog2, "CommonDialog2");
}

}  // namespace kelo
