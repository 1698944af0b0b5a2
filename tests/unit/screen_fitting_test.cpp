// Which controls the fitting scales and how; the ratios on common screens, and that
// every text then fits its box, are the desktop's screen-fitting test.
#include <gtest/gtest.h>

#include "app/screen_fitting.h"
#include "model/main_window.h"
#include "model/splash_window.h"
#include "platform/headless/headless_platform.h"

using namespace kelo;

namespace {
// What one property becomes: multiplied in double precision, stored in single.
float scaled(float v, double r) { return static_cast<float>(static_cast<double>(v) * r); }

// The place and size of `c` are those of its design twin `d`, scaled.
void expectScaled(const Control& c, const Control& d, double rW, double rH) {
    EXPECT_FLOAT_EQ(c.Left, scaled(d.Left, rW)) << c.Name << c.Index;
    EXPECT_FLOAT_EQ(c.Top, scaled(d.Top, rH)) << c.Name << c.Index;
    EXPECT_FLOAT_EQ(c.Width, scaled(d.Width, rW)) << c.Name << c.Index;
    EXPECT_FLOAT_EQ(c.Height, scaled(d.Height, rH)) << c.Name << c.Index;
}

struct Fitting : ::testing::Test {
    HeadlessPlatform hp;
    void screen(float w, float h) { hp.display.screenSize = {w, h}; }
};
}  // namespace

TEST_F(Fitting, MainWindowOn800x600ScalesTheListedControlsAndTheirFonts) {
    screen(12000, 9000);
    frmKeloTrundo15 f(hp.platform), d(hp.platform);
    AdattaRisoluzione(f);
    const double rH = 9000.0 / 11520, rW = 12000.0 / 15360, rF = 12000.0 / 15600;
    EXPECT_FLOAT_EQ(f.Left, 0);  // exactly as wide as the screen: no centring
    expectScaled(f.lblNota[37], d.lblNota[37], rW, rH);
    EXPECT_FLOAT_EQ(f.lblNota[37].Font.Size, scaled(d.lblNota[37].Font.Size, rF));
    // A shape (no font) and a listed item inside a hidden frame take their place.
    expectScaled(f.ShpIndicatore[33], d.ShpIndicatore[33], rW, rH);
    expectScaled(f.lblInciso[0], d.lblInciso[0], rW, rH);
    // Not listed: the bank, light 0 before the listed lights, the engine panel.
    expectScaled(f.lblCollegamento[81], d.lblCollegamento[81], 1, 1);
    expectScaled(f.ShpIndicatore[0], d.ShpIndicatore[0], 1, 1);
    expectScaled(f.Frame3, d.Frame3, 1, 1);
}

TEST_F(Fitting, TheSplashTakesItsFontRatioFromTheHeight) {
    for (auto [w, h] : {std::pair{12000.0, 9000.0}, std::pair{19200.0, 15360.0}}) {
        screen(static_cast<float>(w), static_cast<float>(h));
        frmSplashKelo2020 s(hp.platform), d(hp.platform);
        AdattaSplashAlloSchermo(s);
        expectScaled(s.ImgScreen, d.ImgScreen, w / 15360, h / 11520);
        expectScaled(s.lblVersione, d.lblVersione, w / 15360, h / 11520);
        expectScaled(s.lblSplash[3], d.lblSplash[3], w / 15360, h / 11520);
        EXPECT_FLOAT_EQ(s.lblVersione.Font.Size, scaled(d.lblVersione.Font.Size, h / 11550)) << w;
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
