#pragma once
// The main window: every table, switch, counter and intermediate result of the
// program is a control here, named as the rest of the code names it.
#include "platform/form.h"

namespace kelo {

struct frmSplashKelo2020;

struct frmKeloTrundo15 : Form {
    explicit frmKeloTrundo15(Platform& platform);

    frmSplashKelo2020* splash = nullptr;

    // Frames first: every control below may sit in one of them.
    Frame FraStoComponendo{"FraStoComponendo"}, FraESci{"FraESci"}, Frame3{"Frame3"}, Frame5{"Frame5"},
        Frame4{"Frame4"}, Frame6{"Frame6"}, FraModulo1{"FraModulo1"}, Frame2{"Frame2"};
    ControlArray<Frame> Frame1{"Frame1", 0, 1};

    // Decoration and fixed texts.
    ControlArray<Shape> ShpVari{"ShpVari", 0, 78};
    ControlArray<Label> lblScritteVarie{"lblScritteVarie", {{0, 75}, {87, 87}}};

    // Logo, title, composer line, help text.
    Image ImgLogo{"ImgLogo"};
    TextBox TxtTitolo{"TxtTitolo"}, TxtCompositore{"TxtCompositore"};
    Label lblAvvertimento{"lblAvvertimento"}, lblMinore{"lblMinore"};

    // Settings: song forms.
    ControlArray<Label> lblInciso{"lblInciso", {{0, 16}, {23, 27}}};
    ControlArray<Label> lblFreqIncisi{"lblFreqIncisi", 0, 16};
    Label lblRip{"lblRip"};
    // Settings: cadences.
    ControlArray<Label> lblCadenza{"lblCadenza", 0, 14};
    ControlArray<Label> lblFreCad{"lblFreCad", 0, 13};
    // Settings: rhythm-module lists.
    ControlArray<Label> lblModulo{"lblModulo", 1, 13};
    ControlArray<Label> lblModuloB{"lblModuloB", 1, 13};
    ControlArray<Label> lblFreqInc{"lblFreqInc", {{0, 13}, {25, 26}}};
    ControlArray<Label> lblFreIncB{"lblFreIncB", {{0, 13}, {25, 26}}};
    // Settings: chord transitions, final notes, pivot notes.
    ControlArray<Label> lblAccordi{"lblAccordi", 0, 9};
    ControlArray<Label> lblNotafinale{"lblNotafinale", 0, 4};
    ControlArray<Label> lblNota{"lblNota", 0, 130};
    // Settings: link page (1..80) and bank (81..1120), pager and figures.
    ControlArray<Label> lblCollegamento{"lblCollegamento", 0, 1120};
    ControlArray<Label> lblCercaNota{"lblCercaNota", 0, 6};
    ControlArray<Label> lblCopyCollegamento{"lblCopyCollegamento", 0, 2};
    ControlArray<Label> lblNotaA{"lblNotaA", 0, 8};
    ControlArray<Label> lblNotaB{"lblNotaB", 1, 8};
    // Settings: tempo, mode, reset buttons.
    ControlArray<Label> lblVeloc{"lblVeloc", 0, 4};
    Label lblModo{"lblModo"};
    ControlArray<Label> lblDefault{"lblDefault", 0, 7};

    // Melody tables.
    ControlArray<Label> lblMod{"lblMod", 1, 8};
    ControlArray<Label> lblDueQuarti{"lblDueQuarti", 1, 16};
    ControlArray<Label> lblPerno{"lblPerno", 1, 16};
    ControlArray<Label> lblArmonie{"lblArmonie", 1, 16};
    ControlArray<Label> lblAccomp{"lblAccomp", 1, 16};
    ControlArray<Label> lblMelos{"lblMelos", 1, 32};

    // Scratch of the song-form and cadence draws.
    ControlArray<Label> lblScelta{"lblScelta", 0, 15};
    ControlArray<Label> lblMinScelta{"lblMinScelta", 0, 16};
    ControlArray<Label> lblMaxScelta{"lblMaxScelta", 0, 16};
    // Scratch of the module draws and the module pairs.
    ControlArray<Label> lblScegliModulo{"lblScegliModulo", 0, 14};
    ControlArray<Label> lblPeso{"lblPeso", 1, 13};
    ControlArray<Label> lblMin{"lblMin", 0, 13};
    ControlArray<Label> lblMax{"lblMax", 0, 14};
    ControlArray<Label> lblScegliModuloB{"lblScegliModuloB", 0, 14};
    ControlArray<Label> lblPesoB{"lblPesoB", 1, 13};
    ControlArray<Label> lblMinB{"lblMinB", 0, 13};
    ControlArray<Label> lblMaxB{"lblMaxB", 0, 14};
    ControlArray<Label> lblModuloScelto{"lblModuloScelto", 1, 4};
    ControlArray<Label> lblModuloSceltoB{"lblModuloSceltoB", 1, 4};
    Label lblContaModuli{"lblContaModuli"}, lblGigio{"lblGigio"}, lblGigio2{"lblGigio2"};
    Shape shpIncisi{"shpIncisi"};
    // Scratch of the final-note draw and the pivot search.
    ControlArray<Label> lblFine{"lblFine", 0, 4};
    ControlArray<Label> lblMinFine{"lblMinFine", 0, 4};
    ControlArray<Label> lblMaxFine{"lblMaxFine", 0, 4};
    ControlArray<Label> lblNotaP{"lblNotaP", 1, 5};
    ControlArray<Label> lblPesoNotaP{"lblPesoNotaP", 1, 5};
    ControlArray<Label> lblNota2{"lblNota2", 0, 5};
    ControlArray<Label> lblPesoN{"lblPesoN", 1, 5};
    ControlArray<Label> lblMinN{"lblMinN", 0, 5};
    ControlArray<Label> lblMaxN{"lblMaxN", 0, 5};
    Label lblAccordoEsaminato{"lblAccordoEsaminato"}, lblNotaEsaminata{"lblNotaEsaminata"},
        lblNotaPernoScelta{"lblNotaPernoScelta"};
    // Scratch of the link draw.
    ControlArray<Label> lblNotaAScelta{"lblNotaAScelta", 0, 8};
    ControlArray<Label> lblNotaBScelta{"lblNotaBScelta", 0, 8};
    ControlArray<Label> lblValMin{"lblValMin", 1, 8};
    ControlArray<Label> lblValMax{"lblValMax", 0, 9};
    Label lblCasualeCollegamento{"lblCasualeCollegamento"}, lblNotaPartenza{"lblNotaPartenza"};
    // Scratch of the accompaniment choice and of the batch and statistics runs.
    Label lblPrec{"lblPrec"};
    ControlArray<Label> lblExp{"lblExp", 0, 13};
    ControlArray<Label> lblExp2{"lblExp2", 0, 13};
    Label lblPassaggi{"lblPassaggi"}, lblUguali{"lblUguali"}, lbltentativi{"lbltentativi"};

    // Display, playback and variant state.
    Label lblStoComponendo{"lblStoComponendo"}, lblIncrementa{"lblIncrementa"}, lblMem{"lblMem"};
    ControlArray<Label> lblStep{"lblStep", 1, 64};
    Label lblStepAudio{"lblStepAudio"}, lblIndiceAcc{"lblIndiceAcc"}, lblCommandPrec{"lblCommandPrec"},
        lblCoeff{"lblCoeff"}, lblCoeffAcc{"lblCoeffAcc"}, lblRipetizioni{"lblRipetizioni"},
        lblPrecedente{"lblPrecedente"}, lblResto{"lblResto"};
    Label lblNumeroVariante{"lblNumeroVariante"}, lblCopiaTitolo{"lblCopiaTitolo"};
    // The first data file of this run found missing while a melody was shown or played ("" for none).
    Label lblFileMancante{"lblFileMancante"};
    // Persona and title generator.
    ControlArray<Label> lblKelo{"lblKelo", 0, 0};
    Label lblKeloPrecedente{"lblKeloPrecedente"}, lblK{"lblK"};
    ControlArray<Label> lblScegliTitolo{"lblScegliTitolo", 0, 24};
    Label lblTipologiaTitolo{"lblTipologiaTitolo"};
    Label lblDir{"lblDir"};

    // Options and commands.
    ControlArray<Label> lblPulsante{"lblPulsante", 0, 7};
    ControlArray<Label> lblPuls{"lblPuls", 0, 4};
    Label lblVariante{"lblVariante"};
    CommandButton cmdIncisi{"cmdIncisi"};
    ControlArray<CommandButton> cmdEsci{"cmdEsci", 0, 1};

    // Score.
    ControlArray<Image> ImgNota{"ImgNota", 1, 36};
    ControlArray<Shape> ShpIndicatore{"ShpIndicatore", 0, 33};
    ControlArray<Shape> ShpStanghetta{"ShpStanghetta", 1, 9};

    // Developer buttons on the hidden panels.
    CommandButton cmdScegliInciso{"cmdScegliInciso"}, cmdScegliInciso2{"cmdScegliInciso2"}, Command1{"Command1"},
        Command2{"Command2"}, Command4{"Command4"};
    CommandButton cmdScegliPrimiModuli{"cmdScegliPrimiModuli"}, cmdScegliPrimiModuli2{"cmdScegliPrimiModuli2"},
        cmdSelezionaModuli{"cmdSelezionaModuli"}, cmdAssegnaModuli{"cmdAssegnaModuli"},
        cmdTuttieQuattro{"cmdTuttieQuattro"};
    CommandButton cmdScegliArmonie{"cmdScegliArmonie"}, cmdScegliCadenza{"cmdScegliCadenza"},
        cmdRicercaNotePerno{"cmdRicercaNotePerno"}, cmdTrovaNotePerno{"cmdTrovaNotePerno"};
    CommandButton cmdScegliCollegamento{"cmdScegliCollegamento"}, cmdScegliCollegamento2{"cmdScegliCollegamento2"},
        cmdAudio{"cmdAudio"}, cmdExp{"cmdExp"}, cmdExp2{"cmdExp2"}, cmdKelo{"cmdKelo"}, cmdTitoli{"cmdTitoli"};

    // Timers.
    Timer TmrScaricaSplash{"TmrScaricaSplash"}, TmrSignori{"TmrSignori"}, TmrESci{"TmrESci"},
        TmrMostraMelodia{"TmrMostraMelodia"}, TmrMostraMelodiaDaFile{"TmrMostraMelodiaDaFile"}, TmrAudio{"TmrAudio"},
        TmrReplay{"TmrReplay"};
    Timer TmrPagina{"TmrPagina"}, TmrAccordi{"TmrAccordi"}, TmrCollegamento{"TmrCollegamento"}, TmrFinali{"TmrFinali"},
        TmrFreCad{"TmrFreCad"}, TmrIncisi{"TmrIncisi"}, TmrMod{"TmrMod"}, TmrModB{"TmrModB"}, TmrNota{"TmrNota"},
        TmrRip{"TmrRip"}, TmrVeloc{"TmrVeloc"};
    Timer TmrExp{"TmrExp"}, TmrExp2{"TmrExp2"}, TmrProva{"TmrProva"}, TmrProvaErrore{"TmrProvaErrore"};

    // Sample players and file dialogs.
    ControlArray<MediaPlayer> mmcPiano{"mmcPiano", 0, 10};
    ControlArray<MediaPlayer> mmcAccordi{"mmcAccordi", 0, 19};
    ControlArray<MediaPlayer> mmcKelo{"mmcKelo", 0, 13};
    CommonDialog CommonDialog1{"CommonDialog1"}, CommonDialog2{"CommonDialog2"};

private:
    void placeInFrames();
    void placeInPaintingOrder();
};

}  // namespace kelo
