#include "model/design/main_design.h"

#include "model/design/regions.h"
#include "model/main_window.h"
#include "model/splash_window.h"

namespace kelo {

void applyMainDesign(frmKeloTrundo15& f) {
    f.Width = 15360;
    f.Height = 11520;
    f.BackColor = 0xFFFFFF;
    design::decoration(f);
    design::headerRegion(f);
    design::scoreRegion(f);
    design::moduleRegion(f);
    design::songFormRegion(f);
    design::chordRegion(f);
    design::cadenceRegion(f);
    design::pivotRegion(f);
    design::linkRegion(f);
    design::optionsRow(f);
    design::bottomRow(f);
    design::exitQuestion(f);
    design::panels(f);
    design::workingState(f);
    design::timersAndPlayers(f);
}

void applySplashDesign(frmSplashKelo2020& s) {
    s.Width = 15360;
    s.Height = 11520;
    s.ImgScreen.place(0, 0, 15360, 11520);
    s.lblVersione.place(14400, 11160, 735, 255);
    s.lblVersione.Caption = "Vers. 1.1";
    s.lblVersione.Transparent = true;
    s.lblVersione.ForeColor = 0xE3FEFF;
    Label& credit = s.lblSplash[3];
    credit.place(1733, 10680, 11895, 375);
    credit.Caption = "Melodie composte da Kelo, il compositore artificiale";
    credit.Transparent = true;
    credit.ForeColor = 0xE3FEFF;
    credit.Alignment = Align::Center;
    credit.Font = {"Times New Roman", 12.0f, true, true};
    s.lblDir.Visible = false;
    s.TmrVia.SetInterval(4000);
}

}  // namespace kelo
