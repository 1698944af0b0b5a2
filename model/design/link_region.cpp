// The link page with its pager and figure rows, and the link bank behind it.
#include "model/cell_roles.h"
#include "model/design/design_kit.h"
#include "model/design/regions.h"
#include "model/main_window.h"

namespace kelo::design {

void linkRegion(frmKeloTrundo15& f) {
    hiddenCell(f.lblCollegamento[0], "1");
    for (int r = 1; r <= 10; ++r)
        for (int c = 1; c <= 8; ++c)
            weightCell(f.lblCollegamento[pageCell(r, c)], 10440 + 480 * (r - 1), 7440 + 360 * (c - 1), "1");
    // The design page before start-up fills it from the bank.
    constexpr const char* firstColumn[9] = {"", "1", "2", "3", "X", "X", "6", "7", "8"};
    for (int c = 1; c <= 8; ++c) {
        Label& cell = f.lblCollegamento[c];
        cell.Caption = firstColumn[c];
        cell.Enabled = cell.Caption != "X";
    }
    for (int i = 81; i <= 1120; ++i) f.lblCollegamento[i].Caption = "1";

    // Pager: case number between the arrows; chord, pivot and bank base of the case.
    Label& number = f.lblCercaNota[0];
    number.place(9600, 6960, 345, 255);
    number.Caption = "2";
    number.BackColor = ColoreTenuto;
    number.Transparent = true;  // a press shows only its border; the arrows carry the colour
    number.Font = kCellFont;
    number.Alignment = Align::Center;
    labelButton(f.lblCercaNota[1], 9360, 6960, 255, "<", ColoreFreccia);
    labelButton(f.lblCercaNota[2], 9960, 6960, 255, ">", ColoreFreccia);
    // The case's pivot and chord read as part of the page's heading row.
    fixedText(f.lblCercaNota[3], 13680, 6600, 615, 255, "DO+", kSectionFont);
    fixedText(f.lblCercaNota[4], 9960, 6600, 495, 255, "DO", kSectionFont);
    f.lblCercaNota[3].ForeColor = kSectionInk;
    f.lblCercaNota[4].ForeColor = kSectionInk;
    hiddenCell(f.lblCercaNota[5], "160");
    hiddenCell(f.lblCercaNota[6]);
    f.lblCercaNota[6].BackColor = ColoreTenuto;

    for (int i = 0; i <= 2; ++i) hiddenCell(f.lblCopyCollegamento[i]);

    // Figure rows of link case 2.
    constexpr const char* firstNotes[9] = {"Nota:", "DO", "DO", "DO", "DO", "DO", "DO", "RE", "si"};
    constexpr const char* secondNotes[9] = {"", "do'", "SOL", "MI", "RE", "si", "DO", "DO", "DO"};
    fixedText(f.lblNotaA[0], 9360, 6600, 615, 255, firstNotes[0], kSectionFont);
    f.lblNotaA[0].ForeColor = kSectionInk;
    for (int c = 1; c <= 8; ++c) {
        float top = 7440 + 360 * (c - 1);
        fixedText(f.lblNotaA[c], 9360, top, 375, 255, firstNotes[c], kCellFont, Align::Right);
        fixedText(f.lblNotaB[c], 9960, top, 375, 255, secondNotes[c], kCellFont, Align::Left);
    }
}

}  // namespace kelo::design
