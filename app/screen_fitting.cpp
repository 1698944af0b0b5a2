#include "app/screen_fitting.h"

#include <algorithm>

#include "model/cell_roles.h"
#include "model/main_window.h"
#include "model/splash_window.h"

namespace kelo {

namespace {

struct Ratios {
    double h, w, font;
};

// A text may grow no faster than the height of its box: on a screen wider than
// 4:3 a font ratio taken from the width would push lines out of their boxes.
Ratios ratios(ScreenSize s, double font) {
    double h = s.height / 11520.0;
    return {h, s.width / 15360.0, std::min(font, h)};
}

// Each property is multiplied in double precision and stored back in single precision.
void scale(float& v, double r) { v = static_cast<float>(static_cast<double>(v) * r); }

void scaleBox(Control& c, const Ratios& r) {
    scale(c.Height, r.h);
    scale(c.Width, r.w);
    scale(c.Top, r.h);
    scale(c.Left, r.w);
}

template <class T>
void fit(T& c, const Ratios& r, bool font) {
    scaleBox(c, r);
    if constexpr (requires { c.Font.Size; }) {
        if (font) scale(c.Font.Size, r.font);
    }
}

template <class T>
void fit(ControlArray<T>& a, int lo, int hi, const Ratios& r, bool font) {
    for (int i = lo; i <= hi; ++i) fit(a[i], r, font);
}

void fitWindow(Form& w, const Ratios& r) {
    w.Height = static_cast<float>(static_cast<double>(w.Height) * r.h);
    w.Width = static_cast<float>(static_cast<double>(w.Width) * r.w);
    w.Top = static_cast<float>(static_cast<double>(w.Top) * r.h);
    w.Left = static_cast<float>(static_cast<double>(w.Left) * r.w);
    float screenWidth = w.sys.display.screen().width;
    double offset = w.Width < screenWidth ? (static_cast<double>(screenWidth) - w.Width) / 2 : 0.0;
    w.Left = static_cast<float>(static_cast<double>(w.Left) + offset);
}

}  // namespace

bool SchermoDaAdattare(Form& f) { return f.sys.display.screen().height != 11520.0f; }

void AdattaRisoluzione(frmKeloTrundo15& f) {
    ScreenSize s = f.sys.display.screen();
    Ratios r = ratios(s, s.width / 15600.0);
    fitWindow(f, r);
    constexpr bool font = true, noFont = false;
    fit(f.ShpVari, 0, 78, r, noFont);
    fit(f.lblNotaA[NotaA::Intestazione], r, font);
    fit(f.lblVariante, r, font);
    fit(f.lblAvvertimento, r, font);
    fit(f.FraESci, r, noFont);
    fit(f.ShpStanghetta, 1, 9, r, noFont);
    fit(f.lblScritteVarie[ScritteVarie::DomandaUscita], r, font);
    fit(f.cmdEsci, 0, 1, r, font);
    fit(f.lblCercaNota, 0, 5, r, font);
    fit(f.lblFreqInc, 25, 26, r, font);
    fit(f.lblFreIncB, 25, 26, r, font);
    fit(f.lblVeloc, 0, 2, r, font);
    fit(f.lblPulsante, 0, 7, r, font);
    fit(f.ShpIndicatore, 1, 33, r, noFont);
    fit(f.lblMinore, r, font);
    fit(f.lblRip, r, font);
    fit(f.lblArmonie, 1, 16, r, font);
    fit(f.lblNotafinale, 1, 4, r, font);
    fit(f.lblAccordi, 1, 9, r, font);
    fit(f.lblDefault, 0, 7, r, font);
    fit(f.lblFreqIncisi, 0, 15, r, font);
    fit(f.lblInciso, 0, 15, r, font);
    fit(f.lblCadenza, 1, 13, r, font);
    fit(f.lblFreCad, 1, 13, r, font);
    fit(f.lblCollegamento, 1, 80, r, font);
    fit(f.lblNotaA, 1, 8, r, font);
    fit(f.lblNotaB, 1, 8, r, font);
    fit(f.lblNota, 1, 130, r, font);
    fit(f.cmdIncisi, r, noFont);
    fit(f.ImgLogo, r, noFont);
    fit(f.lblScritteVarie, 0, 75, r, font);
    fit(f.lblPuls, 0, 4, r, font);
    fit(f.ImgNota, 1, 36, r, noFont);
    fit(f.FraStoComponendo, r, noFont);
    fit(f.TxtTitolo, r, font);
    fit(f.TxtCompositore, r, font);
    fit(f.lblModulo, 1, 13, r, font);
    fit(f.lblModuloB, 1, 13, r, font);
    fit(f.lblFreqInc, 1, 13, r, font);
    fit(f.lblFreIncB, 1, 13, r, font);
}

void AdattaSplashAlloSchermo(frmSplashKelo2020& s) {
    ScreenSize sc = s.sys.display.screen();
    Ratios r = ratios(sc, sc.height / 11550.0);
    fitWindow(s, r);
    fit(s.lblSplash[Splash::Crediti], r, true);
    fit(s.lblVersione, r, true);
    fit(s.ImgScreen, r, false);
}

}  // namespace kelo
