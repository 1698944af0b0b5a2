// Both windows fitted to common screens: the ratios they take, and every text the
// program puts in a label or text box still fits its box, measured with the desktop
// backend's fonts.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/screen_fitting.h"
#include "model/main_window.h"
#include "model/splash_window.h"
#include "platform/desktop/form_painter.h"
#include "platform/desktop/twips.h"
#include "platform/headless/headless_platform.h"
#include "titles/title_lists.h"

using namespace kelo;

namespace {

struct Screen {
    int width, height;  // pixels
    double rH, rW, mainFont, splashFont;
};

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The texts a control can show: what the design put there, and for the title the
// greeting, the farewell and the widest title of every title type.
std::vector<std::string> textsOf(const ControlRef& ref, const QFontMetrics& fm) {
    if (ref.kind == ControlKind::Label) return {static_cast<const Label&>(*ref.control).Caption};
    const auto& box = static_cast<const TextBox&>(*ref.control);
    if (std::string(box.Name) != "TxtTitolo") return {box.Text};
    auto widest = [&](std::span<const std::string_view> list) {
        std::string_view best;
        for (std::string_view s : list)
            if (fm.horizontalAdvance(qs(s)) > fm.horizontalAdvance(qs(best))) best = s;
        return std::string(best);
    };
    std::vector<std::string> texts{"Buongiorno, signori!", "Addio!"};
    for (int type = 1; type <= kTitleTypes; ++type) {
        const TitleLists& lists = titleLists(type);
        std::string prefix = lists.prefixes.empty() ? "" : widest(lists.prefixes) + std::string(lists.between);
        texts.push_back(prefix + widest(lists.words));
    }
    return texts;
}

// Texts whose lines outgrow their boxes already on the design screen.
bool overflowsByDesign(const Control& c) {
    return std::string(c.Name) == "lblDefault" || (std::string(c.Name) == "lblScritteVarie" && c.Index == 10);
}

// Every text of the form whose laid-out lines leave the control's box on screen.
std::vector<std::string> textsOutOfTheirBoxes(const Form& form) {
    std::vector<std::string> out;
    for (const ControlRef& ref : form.zOrder()) {
        const Control& c = *ref.control;
        QRect box = pixelRect(c.Left, c.Top, c.Width, c.Height);
        bool label = ref.kind == ControlKind::Label;
        if ((!label && ref.kind != ControlKind::TextBox) || box.isEmpty() || overflowsByDesign(c)) continue;
        const FontSpec& font = label ? static_cast<const Label&>(c).Font : static_cast<const TextBox&>(c).Font;
        TextPlace at = label ? textPlace(static_cast<const Label&>(c), box)
                             : textPlace(static_cast<const TextBox&>(c), box);
        QFontMetrics fm(qtFont(font));
        for (const std::string& text : textsOf(ref, fm)) {
            QRect lines = fm.boundingRect(at.box, at.flags, QString::fromStdString(text));
            if (!text.empty() && !box.contains(lines))
                out.push_back(std::string(c.Name) + "(" + std::to_string(c.Index) + ") \"" + text + "\"");
        }
    }
    return out;
}

}  // namespace

TEST(ScreenFitting, EveryTextStaysInsideItsBoxOnCommonScreens) {
    // On screens wider than 4:3 the text grows with the height, as its boxes do.
    const Screen screens[] = {
        {800, 600, 0.78125, 0.78125, 0.769231, 0.779221},  {1024, 768, 1, 1, 1, 1},
        {1366, 768, 1, 1, 1, 1},                           {1920, 1080, 1.40625, 1.875, 1.40625, 1.402597},
        {2560, 1440, 1.875, 2.5, 1.875, 1.870130},         {3840, 2160, 2.8125, 3.75, 2.8125, 2.805195},
    };
    for (const Screen& s : screens) {
        SCOPED_TRACE(std::to_string(s.width) + " x " + std::to_string(s.height));
        HeadlessPlatform hp;
        hp.display.screenSize = {s.width * kTwipsPerPixel, s.height * kTwipsPerPixel};
        frmKeloTrundo15 f(hp.platform);
        frmSplashKelo2020 splash(hp.platform);
        if (SchermoDaAdattare(f)) {
            AdattaRisoluzione(f);
            AdattaSplashAlloSchermo(splash);
        }
        EXPECT_NEAR(f.Height / 11520, s.rH, 1e-6);
        EXPECT_NEAR(f.Width / 15360, s.rW, 1e-6);
        EXPECT_NEAR(f.TxtTitolo.Font.Size / 15.75, s.mainFont, 1e-6);
        EXPECT_NEAR(splash.lblVersione.Font.Size / 8.25, s.splashFont, 1e-6);
        EXPECT_EQ(textsOutOfTheirBoxes(f), std::vector<std::string>{});
        EXPECT_EQ(textsOutOfTheirBoxes(splash), std::vector<std::string>{});
    }
}
