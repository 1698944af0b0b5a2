#include <gtest/gtest.h>

#include "app/screen_fitting.h"
#include "model/main_window.h"
#include "model/splash_window.h"
#include "platform/headless/headless_platform.h"

using namespace kelo;

namespace {
// What one property becomes: multiplied in double precision, stored in single.
float scaled(float v, double r) { return static_cast<float>(static_cast<double>(v) * r); }

struct Fitting : ::testing::Test {
    HeadlessPlatform hp;
    void screen(float w, float h) { hp.display.screenSize = {w, h}; }
};
}  // namespace

TEST_F(Fitting, OnlyAScreenOfAnotherHeightIsFitted) {
    frmKeloTrundo15 f(hp.platform);
    const std::tuple<float, float, bool> screens[] = {
        {15360, 11520, false}, {20490, 11520, false}, {12000, 9000, true}, {15360, 9000, true}};
    for (auto [w, h, fitted] : screens) {
        screen(w, h);
        EXPECT_EQ(SchermoDaAdattare(f), fitted) << w << " x " << h;
    }
}

TEST_F(Fitting, MainWindowOn800x600ScalesTheListedControlsAndTheirFonts) {
    screen(12000, 9000);
    frmKeloTrundo15 f(hp.platform);
    f.FraESci.Left = 3000;  // as the load step places it before fitting
    f.FraESci.Top = 120;
    frmKeloTrundo15 d(hp.platform);
    AdattaRisoluzione(f);

    const double rH = 9000.0 / 11520, rW = 12000.0 / 15360, rF = 12000.0 / 15600;
    EXPECT_FLOAT_EQ(f.Width, scaled(15360, rW));
    EXPECT_FLOAT_EQ(f.Height, scaled(11520, rH));
    EXPECT_FLOAT_EQ(f.Left, 0);  // exactly as wide as the screen: no centring
    EXPECT_FLOAT_EQ(f.FraESci.Left, scaled(3000, rW));
    EXPECT_FLOAT_EQ(f.FraESci.Top, scaled(120, rH));

    const Label& w = f.lblNota[37];
    EXPECT_FLOAT_EQ(w.Left, scaled(d.lblNota[37].Left, rW));
    EXPECT_FLOAT_EQ(w.Top, scaled(d.lblNota[37].Top, rH));
    EXPECT_FLOAT_EQ(w.Width, scaled(d.lblNota[37].Width, rW));
    EXPECT_FLOAT_EQ(w.Height, scaled(d.lblNota[37].Height, rH));
    EXPECT_FLOAT_EQ(w.Font.Size, scaled(d.lblNota[37].Font.Size, rF));

    // A text box scales its font; a shape (no font) and a listed item inside a hidden frame their place.
    EXPECT_FLOAT_EQ(f.TxtTitolo.Font.Size, scaled(d.TxtTitolo.Font.Size, rF));
    EXPECT_FLOAT_EQ(f.ShpIndicatore[33].Left, scaled(d.ShpIndicatore[33].Left, rW));
    EXPECT_FLOAT_EQ(f.lblInciso[0].Top, scaled(d.lblInciso[0].Top, rH));
    // Not listed: the bank, light 0 before the listed lights, the engine panel.
    EXPECT_FLOAT_EQ(f.lblCollegamento[81].Left, d.lblCollegamento[81].Left);
    EXPECT_FLOAT_EQ(f.ShpIndicatore[0].Left, d.ShpIndicatore[0].Left);
    EXPECT_FLOAT_EQ(f.Frame3.Left, d.Frame3.Left);
}

TEST_F(Fitting, TheSplashTakesItsFontRatioFromTheHeight) {
    for (auto [w, h] : {std::pair{12000.0, 9000.0}, std::pair{19200.0, 15360.0}}) {
        screen(static_cast<float>(w), static_cast<float>(h));
        frmSplashKelo2020 s(hp.platform);
        frmSplashKelo2020 d(hp.platform);
        AdattaSplashAlloSchermo(s);
        const double rH = h / 11520, rW = w / 15360, rF = h / 11550;
        EXPECT_FLOAT_EQ(s.ImgScreen.Width, scaled(d.ImgScreen.Width, rW)) << w;
        EXPECT_FLOAT_EQ(s.ImgScreen.Height, scaled(d.ImgScreen.Height, rH)) << w;
        EXPECT_FLOAT_EQ(s.lblVersione.Left, scaled(d.lblVersione.Left, rW)) << w;
        EXPECT_FLOAT_EQ(s.lblVersione.Font.Size, scaled(d.lblVersione.Font.Size, rF)) << w;
        EXPECT_FLOAT_EQ(s.lblSplash[3].Top, scaled(d.lblSplash[3].Top, rH)) << w;
    }
}

TEST_F(Fitting, AWindowNarrowerThanTheScreenIsCentred) {
    screen(19200, 15360);  // a quarter wider, a third taller: fills the screen exactly
    frmKeloTrundo15 f(hp.platform);
    AdattaRisoluzione(f);
    EXPECT_FLOAT_EQ(f.Width, 19200);
    EXPECT_FLOAT_EQ(f.Left, 0);

    // 4:3 content on a 16:10 screen fills its width; only a window that starts
    // narrower than the design can come out narrower than the screen.
    screen(24000, 15000);
    frmKeloTrundo15 g(hp.platform);
    g.Width = 15000;
    AdattaRisoluzione(g);
    float w = scaled(15000, 24000.0 / 15360);
    EXPECT_FLOAT_EQ(g.Width, w);
    EXPECT_FLOAT_EQ(g.Left, static_cast<float>((24000.0 - w) / 2));
    // Wider than 4:3: the text grows with the height of its box, not with the width.
    EXPECT_FLOAT_EQ(g.TxtTitolo.Font.Size, scaled(15.75f, 15000.0 / 11520));
}
