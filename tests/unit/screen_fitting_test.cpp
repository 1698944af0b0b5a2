// Which controls the fitting scales and how; the ratios on common screens, and that
// every text then fits its box, are the desktop's screen-fitting test.
#include "app/screen_fitting.h"

#include <gtest/gtest.h>

#include <string>

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
    for (int i : {1, 130}) expectFitted(f.lblNota[i], d.lblNota[i], w, h, font);  // the whole grid
    expectFitted(f.cmdEsci[1], d.cmdEsci[1], w, h, font);                         // a button inside the exit question
    expectFitted(f.ShpIndicatore[33], d.ShpIndicatore[33], w, h, 1);
    // The engine panel, and items of listed arrays that the list leaves out.
    expectFitted(f.Frame3, d.Frame3, 1, 1, 1);
    expectFitted(f.lblInciso[23], d.lblInciso[23], 1, 1, 1);
    expectFitted(f.lblFreqInc[0], d.lblFreqInc[0], 1, 1, 1);
    // The splash's picture (its text takes the height's ratio, as the desktop's test checks).
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
