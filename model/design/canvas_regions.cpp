// The canvas outside the settings tables: logo and title, the score, the options
// row, the bottom row and the exit question.
#include "model/design/design_kit.h"
#include "model/design/regions.h"
#include "model/main_window.h"

namespace kelo::design {

void headerRegion(frmKeloTrundo15& f) {
    f.ImgLogo.place(120, 120, 2775, 615);

    TextBox& title = f.TxtTitolo;
    title.place(3240, 360, 8775, 375);
    title.Font = {"Times New Roman", 15.75f, true, false};
    title.Alignment = Align::Center;

    TextBox& composer = f.TxtCompositore;
    composer.place(9120, 720, 2895, 375);
    composer.Text = "by KELO (trundo) 2020";
    composer.Font = {"Times New Roman", 11.25f, false, true};
    composer.Alignment = Align::Right;

    Frame& banner = f.FraStoComponendo;
    banner.place(3120, 240, 9015, 495);
    banner.BackColor = ColoreBanner;
    banner.Visible = false;
    Label& busy = f.lblScritteVarie[40];
    fixedText(busy, 0, 60, 9015, 435, "...sto componendo!", {"Times New Roman", 18.0f, true, true}, Align::Center);
    busy.ForeColor = 0xFFFFFF;

    Label& help = f.lblAvvertimento;
    help.place(4560, 2760, 6735, 1095);
    help.Caption =
        "Se vuoi che inventi una melodia clicca sul pulsante in fondo a destra, oppure premi 'INVIO' sulla "
        "tastiera. Buon ascolto e buon divertimento!";
    help.ForeColor = ColoreRossoScuro;
    help.Font = {"Times New Roman", 14.25f, true, false};
    help.Alignment = Align::Center;
    help.WordWrap = true;
    help.Visible = false;
}

void scoreRegion(frmKeloTrundo15& f) {
    for (int k = 1; k <= 32; ++k) {
        bool firstRow = k <= 16;
        int col = firstRow ? k - 1 : k - 17;
        f.ImgNota[k].place(4320 + 480 * col, firstRow ? 1440 : 3600, 495, 1935);
    }
    f.ImgNota[33].place(3360, 1440, 495, 1935);
    f.ImgNota[34].place(3360, 3600, 495, 1935);
    f.ImgNota[35].place(3840, 1440, 495, 1935);
    f.ImgNota[36].place(3840, 3600, 495, 1935);

    for (int j = 1; j <= 16; ++j) {
        bool firstRow = j <= 8;
        Label& chord = f.lblArmonie[j];
        fixedText(chord, 4320 + 960 * (firstRow ? j - 1 : j - 9), firstRow ? 1320 : 3480, 495, 255, "", kCellFont,
                  Align::Center);
    }
    f.lblArmonie[16].Visible = false;

    // Position lights above the note slots.
    for (int k = 0; k <= 33; ++k) {
        Shape& light = f.ShpIndicatore[k];
        light.BackColor = ColoreSpento;
        light.Outline = false;
    }
    for (int k = 1; k <= 32; ++k) {
        bool firstRow = k <= 16;
        f.ShpIndicatore[k].place(4320 + 480 * (firstRow ? k - 1 : k - 17), firstRow ? 1080 : 3240, 495, 255);
    }
    f.ShpIndicatore[0].BackColor = ColoreAcceso;
    f.ShpIndicatore[0].Visible = false;

    constexpr float barLefts[4] = {6240, 8160, 10080, 12000};
    for (int b = 1; b <= 7; ++b) {
        Shape& bar = f.ShpStanghetta[b];
        bar.place(barLefts[(b - 1) % 4], b <= 4 ? 1680 : 3840, 15, 975);
        bar.BackColor = 0x000000;
    }
    f.ShpStanghetta[9].place(11950, 3840, 15, 975);
    f.ShpStanghetta[9].BackColor = 0x000000;
    f.ShpStanghetta[8].place(12000, 3840, 45, 975);
    f.ShpStanghetta[8].BackColor = 0x000000;
}

void optionsRow(frmKeloTrundo15& f) {
    labelButton(f.lblVeloc[1], 3360, 6000, 255, "<", ColoreFreccia);
    fixedText(f.lblVeloc[0], 3480, 6000, 615, 255, "13", kCellFont, Align::Center);
    labelButton(f.lblVeloc[2], 3960, 6000, 255, ">", ColoreFreccia);
    hiddenCell(f.lblVeloc[3], "1");
    hiddenCell(f.lblVeloc[4], "114");

    struct Option {
        int index;
        const char* caption;
        bool on;
        float left;
        float width;
    };
    // Evenly spread from the tempo arrows to the right end of the score.
    constexpr Option options[] = {
        {5, "Random", false, 4440, 855},   {0, "Bis", true, 5490, 1095},        {3, ">", false, 6780, 375},
        {7, "Commenti", true, 7350, 1095}, {1, "Indicatori", true, 8640, 1095}, {4, "Accordi", true, 11100, 975},
    };
    for (const Option& o : options) switchCell(f.lblPulsante[o.index], o.left, 6000, o.width, o.caption, o.on);
    f.lblPulsante[3].BorderStyle = 1;
    switchCell(f.lblPulsante[2], 11640, 6000, 855, "Subito", true);
    f.lblPulsante[2].Visible = false;
    f.lblPulsante[2].Enabled = false;
    switchCell(f.lblPulsante[6], 12600, 6000, 855, "Minore", true);
    f.lblPulsante[6].Visible = false;

    switchCell(f.lblVariante, 9930, 6000, 975, "Var", false);
    f.lblVariante.Enabled = false;

    Label& modo = f.lblModo;
    weightCell(modo, 12000, 6000, "M");
    modo.Visible = false;
    hiddenCell(f.lblMinore, "");
}

void bottomRow(frmKeloTrundo15& f) {
    // Save and Load of melodies under "MELODIE", of settings profiles under "DATI: ", then "Esc".
    constexpr const char* captions[5] = {"Esc", "Save", "Load", "Save", "Load"};
    constexpr float lefts[5] = {13440, 9360, 10080, 11400, 12120};
    for (int i = 0; i <= 4; ++i) {
        switchCell(f.lblPuls[i], lefts[i], 11040, 615, captions[i], false);
        f.lblPuls[i].Enabled = i == 0;
    }

    Label& profile = f.lblScritteVarie[75];
    fixedText(profile, 12000, 10560, 2175, 255, "Kelo (trundo) 2020");

    // Each reset button beside the heading of its group; the one for all groups under the profile name.
    constexpr float resetPlaces[8][2] = {{12840, 11040}, {1080, 960},   {2520, 960},  {14760, 960},
                                         {14760, 4440},  {14760, 6600}, {6480, 6600}, {8760, 6600}};
    for (int i = 0; i <= 7; ++i) {
        Label& reset = f.lblDefault[i];
        reset.place(resetPlaces[i][0], resetPlaces[i][1], 255, 255);
        reset.Caption = "*";
        reset.BackColor = ColoreDefault;
        reset.Font = {"MS Sans Serif", 13.5f, false, false};
        reset.Alignment = Align::Center;
    }

    CommandButton& compose = f.cmdIncisi;
    compose.place(14280, 10560, 735, 735);
    compose.Graphical = true;
    compose.Enabled = false;
}

void exitQuestion(frmKeloTrundo15& f) {
    Frame& question = f.FraESci;
    question.place(14880, 9240, 9255, 5655);
    question.BackColor = ColoreBanner;
    question.Visible = false;

    Label& text = f.lblScritteVarie[87];
    fixedText(text, 120, 2040, 9015, 615, "Vuoi davvero abbandonarmi?", {"MS Sans Serif", 13.5f, true, false},
              Align::Center);
    text.ForeColor = 0xFFFFFF;

    constexpr const char* answers[2] = {"SI", "NO"};
    constexpr Colour colours[2] = {ColoreAcceso, ColoreVerde};
    for (int i = 0; i <= 1; ++i) {
        CommandButton& b = f.cmdEsci[i];
        b.place(3240 + 1440 * i, 2880, 1335, 495);
        b.Caption = answers[i];
        b.Graphical = true;
        b.BackColor = colours[i];
        b.Font = {"MS Sans Serif", 8.25f, true, false};
    }
}

}  // namespace kelo::design
