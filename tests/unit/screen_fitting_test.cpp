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
    screen(15360, 11520);
    EXPECT_FALSE(SchermoDaAdattare(f));
    screen(20490, 11520);  // wider, same height: never fitted
    EXPECT_FALSE(SchermoDaAdattare(f));
    screen(12000, 9000);
    EXPECT_TRUE(SchermoDaAdattare(f));
}

TEST_F(Fitting, MainWindowOn800x600ScalesTheListedControlsAndTheirFonts) {
    screen(12000, 9000);
    frmKeloTrundo15 f(hp.platform);
    f.FraESci.Left = 3000;  // as the load step places it before fitting
    f.FraESci.Top = 120;
    frmKeloTrundo15 design(hp.platform);
    AdattaRisoluzione(f);

    const double rH = 9000.0 / 11520, rW = 12000.0 / 15360, rF = 12000.0 / 15600;
    EXPECT_FLOAT_EQ(f.Width, scaled(15360, rW));
    EXPECT_FLOAT_EQ(f.Height, scaled(11520, rH));
    EXPECT_FLOAT_EQ(f.Left, 0);  // exactly as wide as the screen: no centring

    EXPECT_FLOAT_EQ(f.FraESci.Left, scaled(3000, rW));
    EXPECT_FLOAT_EQ(f.FraESci.Top, scaled(120, rH));

    const Label& w = f.lblNota[37];
    const Label& d = design.lblNota[37];
    EXPECT_FLOAT_EQ(w.Left, scaled(d.Left, rW));
    EXPECT_FLOAT_EQ(w.Top, scaled(d.Top, rH));
    EXPECT_FLOAT_EQ(w.Width, scaled(d.Width, rW));
    EXPECT_FLOAT_EQ(w.Height, scaled(d.Height, rH));
    EXPECT_FLOAT_EQ(w.Font.Size, scaled(d.Font.Size, rF));
    EXPECT_NEAR(rF, 0.7692, 1e-4);

    // Text boxes and the exit answers scale their fonts; images, shapes, frames and the compose button do not have one to scale.
    EXPECT_FLOAT_EQ(f.TxtTitolo.Font.Size, scaled(15.75f, rF));
    EXPECT_FLOAT_EQ(f.cmdEsci[1].Font.Size, scaled(design.cmdEsci[1].Font.Size, rF));
    EXPECT_FLOAT_EQ(f.cmdIncisi.Width, scaled(735, rW));
    EXPECT_FLOAT_EQ(f.ImgNota[17].Left, scaled(4320, rW));
    EXPECT_FLOAT_EQ(f.ShpIndicatore[33].Left, scaled(design.ShpIndicatore[33].Left, rW));

    // Not listed: held indices, hidden working cells, the pager's flag, the bank, light 0.
    EXPECT_FLOAT_EQ(f.lblCercaNota[6].Left, design.lblCercaNota[6].Left);
    EXPECT_FLOAT_EQ(f.lblFreqIncisi[16].Font.Size, design.lblFreqIncisi[16].Font.Size);
    EXPECT_FLOAT_EQ(f.lblVeloc[3].Width, design.lblVeloc[3].Width);
    EXPECT_FLOAT_EQ(f.lblCollegamento[81].Left, design.lblCollegamento[81].Left);
    EXPECT_FLOAT_EQ(f.ShpIndicatore[0].Left, design.ShpIndicatore[0].Left);
    EXPECT_FLOAT_EQ(f.Frame3.Left, design.Frame3.Left);
    // Listed items inside a hidden frame still scale.
    EXPECT_FLOAT_EQ(f.lblInciso[0].Top, scaled(design.lblInciso[0].Top, rH));
}

TEST_F(Fitting, SplashOn800x600UsesTheHeightForItsFonts) {
    screen(12000, 9000);
    frmSplashKelo2020 s(hp.platform);
    frmSplashKelo2020 design(hp.platform);
    AdattaSplashAlloSchermo(s);
    const double rH = 9000.0 / 11520, rW = 12000.0 / 15360, rF = 9000.0 / 11550;
    EXPECT_NEAR(rF, 0.7792, 1e-4);
    EXPECT_FLOAT_EQ(s.ImgScreen.Width, scaled(15360, rW));
    EXPECT_FLOAT_EQ(s.ImgScreen.Height, scaled(11520, rH));
    EXPECT_FLOAT_EQ(s.lblVersione.Left, scaled(14400, rW));
    EXPECT_FLOAT_EQ(s.lblVersione.Font.Size, scaled(design.lblVersione.Font.Size, rF));
    EXPECT_FLOAT_EQ(s.lblSplash[3].Top, scaled(10680, rH));
    EXPECT_FLOAT_EQ(s.lblSplash[3].Font.Size, scaled(design.lblSplash[3].Font.Size, rF));
}

TEST_F(Fitting, ANarrowerResultIsCentredHorizontally) {
    // 4:3 content on a 16:10 screen: the width scales with the width ratio, so a
    // window narrower than the screen can only come from rounding; force it by
    // starting narrower than the design.
    screen(24000, 15000);
    frmKeloTrundo15 f(hp.platform);
    f.Width = 15000;
    AdattaRisoluzione(f);
    float w = scaled(15000, 24000.0 / 15360);
    EXPECT_FLOAT_EQ(f.Width, w);
    EXPECT_FLOAT_EQ(f.Left, static_cast<float>((24000.0 - w) / 2));
    EXPECT_FLOAT_EQ(f.TxtTitolo.Font.Size, scaled(15.75f, 24000.0 / 15600));
}

TEST_F(Fitting, AQuarterWiderAndAThirdTallerScreenFillsTheScreenExactly) {
    screen(19200, 15360);
    frmKeloTrundo15 f(hp.platform);
    frmSplashKelo2020 s(hp.platform);
    AdattaRisoluzione(f);
    AdattaSplashAlloSchermo(s);
    EXPECT_FLOAT_EQ(f.Width, 19200);
    EXPECT_FLOAT_EQ(f.Left, 0);
    EXPECT_NEAR(19200.0 / 15600, 1.2308, 1e-4);
    EXPECT_FLOAT_EQ(s.lblVersione.Font.Size, scaled(frmSplashKelo2020(hp.platform).lblVersione.Font.Size, 15360.0 / 11550));
}
