// Both windows fitted to common screens: every text the program puts in a label or
// text box still fits its box, measured with the desktop backend's fonts.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <algorithm>
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

// Each text whose laid-out lines leave its box: what the design put there, and in the title
// the greeting, the farewell and the widest title of every title type.
std::vector<std::string> textsOutOfTheirBoxes(const Form& form) {
    std::vector<std::string> out;
    auto check = [&](const auto& c, const std::string& design) {
        const QRect box = pixelRect(c.Left, c.Top, c.Width, c.Height);
        if (box.isEmpty()) return;
        const QFontMetrics fm(qtFont(c.Font));
        auto widest = [&](std::span<const std::string_view> list) {
            auto width = [&](std::string_view s) {
                return fm.horizontalAdvance(QString::fromUtf8(s.data(), qsizetype(s.size())));
            };
            auto narrower = [&](auto a, auto b) { return width(a) < width(b); };
            return std::string(*std::max_element(list.begin(), list.end(), narrower));
        };
        std::vector<std::string> texts{design};
        if (std::string(c.Name) == "TxtTitolo") {
            texts = {"Buongiorno, signori!", "Addio!"};
            for (int type = 1; type <= kTitleTypes; ++type) {
                const TitleLists& l = titleLists(type);
                texts.push_back((l.prefixes.empty() ? "" : widest(l.prefixes) + std::string(l.between)) +
                                widest(l.words));
            }
        }
        const TextPlace at = textPlace(c, box);
        for (const std::string& text : texts)
            if (!text.empty() && !box.contains(fm.boundingRect(at.box, at.flags, QString::fromStdString(text))))
                out.push_back(std::string(c.Name) + "(" + std::to_string(c.Index) + ") \"" + text + "\"");
    };
    for (const ControlRef& ref : form.zOrder()) {
        const Control& c = *ref.control;
        // These lines outgrow their boxes already on the design screen.
        if (std::string(c.Name) == "lblDefault" || (std::string(c.Name) == "lblScritteVarie" && c.Index == 10))
            continue;
        if (ref.kind == ControlKind::Label) check(static_cast<const Label&>(c), static_cast<const Label&>(c).Caption);
        if (ref.kind == ControlKind::TextBox)
            check(static_cast<const TextBox&>(c), static_cast<const TextBox&>(c).Text);
    }
    return out;
}

}  // namespace

TEST(ScreenFitting, EveryTextStaysInsideItsBoxOnCommonScreens) {
    for (auto [width, height] :
         {std::pair{800, 600}, {1024, 768}, {1366, 768}, {1920, 1080}, {2560, 1440}, {3840, 2160}}) {
        SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
        HeadlessPlatform hp;
        hp.display.screenSize = {width * kTwipsPerPixel, height * kTwipsPerPixel};
        frmKeloTrundo15 f(hp.platform);
        frmSplashKelo2020 splash(hp.platform);
        if (SchermoDaAdattare(f)) AdattaRisoluzione(f), AdattaSplashAlloSchermo(splash);
        EXPECT_EQ(textsOutOfTheirBoxes(f), std::vector<std::string>{});
        EXPECT_EQ(textsOutOfTheirBoxes(splash), std::vector<std::string>{});
    }
}
