// Which controls the fitting scales and how, and the ratios on common screens; that
// every text then fits its box is the desktop's screen-fitting test.
#include "app/screen_fitting.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "model/main_window.h"
#include "model/splash_window.h"
#include "platform/headless/headless_platform.h"

using namespace kelo;

namespace {
// What one property becomes: multiplied in double precision, stored in single.
float scaled(float v, double r) { return static_cast<float>(static_cast<double>(v) * r); }

// The place, size and font of `c` are those of its design twin `d`, scaled.
template <class C>
void expectFitted(const C& c, const C& d, double w, double h, double font) {
    SCOPED_TRACE(std::string(c.Name) + "(" + std::to_string(c.Index) + ")");
    EXPECT_FLOAT_EQ(c.Left, scaled(d.Left, w));
    EXPECT_FLOAT_EQ(c.Top, scaled(d.Top, h));
    EXPECT_FLOAT_EQ(c.Width, scaled(d.Width, w));
    EXPECT_FLOAT_EQ(c.Height, scaled(d.Height, h));
    if constexpr (requires { c.Font.Size; }) {
        EXPECT_FLOAT_EQ(c.Font.Size, scaled(d.Font.Size, font));
    }
}
}  // namespace

TEST(ScreenFitting, TheListedControlsTakeTheRatiosOfTheirKindAndANarrowWindowIsCentred) {
    HeadlessPlatform hp;
    hp.display.screenSize = {19200, 15360};  // 1280 x 1024: a quarter wider, a third taller
    frmKeloTrundo15 f(hp.platform), d(hp.platform);
    frmSplashKelo2020 s(hp.platform), ds(hp.platform);
    AdattaRisoluzione(f);
    AdattaSplashAlloSchermo(s);
    const double w = 1.25, h = 15360.0 / 11520, font = 19200.0 / 15600;
    // The first and last item of every listed group of labels.
    using W = frmKeloTrundo15;
    const std::tuple<ControlArray<Label> W::*, int, int> groups[] = {
        {&W::lblNotaA, 0, 8},       {&W::lblScritteVarie, 0, 75}, {&W::lblScritteVarie, 87, 87},
        {&W::lblCercaNota, 0, 5},   {&W::lblFreqInc, 25, 26},     {&W::lblFreIncB, 25, 26},
        {&W::lblVeloc, 0, 2},       {&W::lblPulsante, 0, 7},      {&W::lblArmonie, 1, 16},
        {&W::lblNotafinale, 1, 4},  {&W::lblAccordi, 1, 9},       {&W::lblDefault, 0, 7},
        {&W::lblFreqIncisi, 0, 15}, {&W::lblInciso, 0, 15},       {&W::lblCadenza, 1, 13},
        {&W::lblFreCad, 1, 13},     {&W::lblCollegamento, 1, 80}, {&W::lblNotaB, 1, 8},
        {&W::lblNota, 1, 130},      {&W::lblPuls, 0, 4},          {&W::lblModulo, 1, 13},
        {&W::lblModuloB, 1, 13},    {&W::lblFreqInc, 1, 13},      {&W::lblFreIncB, 1, 13}};
    for (auto [group, first, last] : groups)
        for (int i : {first, last}) expectFitted((f.*group)[i], (d.*group)[i], w, h, font);
    expectFitted(f.cmdEsci[1], d.cmdEsci[1], w, h, font);  // a button inside the exit question
    expectFitted(f.ShpIndicatore[33], d.ShpIndicatore[33], w, h, 1);
    // The engine panel, and items of listed arrays that the list leaves out.
    expectFitted(f.Frame3, d.Frame3, 1, 1, 1);
    expectFitted(f.lblInciso[23], d.lblInciso[23], 1, 1, 1);
    expectFitted(f.lblFreqInc[0], d.lblFreqInc[0], 1, 1, 1);
    // The splash's picture (its text takes the height's ratio, as the table of screens checks).
    expectFitted(s.ImgScreen, ds.ImgScreen, w, h, 1);

    // 4:3 content on a 16:10 screen fills its width: only a window that starts narrower
    // than the design can come out narrower than the screen.
    hp.display.screenSize = {24000, 15000};
    frmKeloTrundo15 g(hp.platform);
    g.Width = 15000;
    AdattaRisoluzione(g);
    const float width = scaled(15000, 24000.0 / 15360);
    EXPECT_FLOAT_EQ(g.Width, width);
    EXPECT_FLOAT_EQ(g.Left, static_cast<float>((24000.0 - width) / 2));
}

// Common screens and the ratios the fitting rules give them, the main window's font ratio capped
// at the height ratio (README, "Text grows no faster than its box"): only a screen of
// another height than 768 pixels (11520 twips) is fitted, whatever its width.
TEST(ScreenFitting, CommonScreensTakeTheRatiosOfTheRulesAndOnlyAnotherHeightIsFitted) {
    const struct {
        int width, height;  // pixels of 15 twips
        bool fitted;
        double rH, rW, mainFont, splashFont;
    } screens[] = {
        {800, 600, true, 0.78125, 0.78125, 0.769231, 0.779221},  // 12000 / 15600, 9000 / 11550
        {1024, 768, false, 1, 1, 1, 1},
        {1280, 1024, true, 1.333333, 1.25, 1.230769, 1.329870},  // narrower than 4:3: the width's font
        {1366, 768, false, 1, 1, 1, 1},
        {1920, 1080, true, 1.40625, 1.875, 1.40625, 1.402597},  // 28800 / 15600 capped at rH
        {2560, 1440, true, 1.875, 2.5, 1.875, 1.870130},
        {3840, 2160, true, 2.8125, 3.75, 2.8125, 2.805195},
    };
    for (const auto& s : screens) {
        SCOPED_TRACE(std::to_string(s.width) + " x " + std::to_string(s.height));
        HeadlessPlatform hp;
        hp.display.screenSize = {s.width * 15.0f, s.height * 15.0f};
        frmKeloTrundo15 f(hp.platform), d(hp.platform);
        frmSplashKelo2020 splash(hp.platform), ds(hp.platform);
        EXPECT_EQ(SchermoDaAdattare(f), s.fitted);
        EXPECT_EQ(SchermoDaAdattare(splash), s.fitted);
        if (SchermoDaAdattare(f)) AdattaRisoluzione(f);  // as each window's load does
        if (SchermoDaAdattare(splash)) AdattaSplashAlloSchermo(splash);
        EXPECT_NEAR(f.Height / d.Height, s.rH, 1e-6);
        EXPECT_NEAR(f.Width / d.Width, s.rW, 1e-6);
        EXPECT_NEAR(f.TxtTitolo.Font.Size / d.TxtTitolo.Font.Size, s.mainFont, 1e-6);
        EXPECT_NEAR(splash.lblVersione.Font.Size / ds.lblVersione.Font.Size, s.splashFont, 1e-6);
    }
}
