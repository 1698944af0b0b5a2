// The "*" buttons: each puts its own group of settings back to the factory
// values and leaves every other cell as the user left it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/colours.h"
#include "model/main_window.h"
#include "platform/headless/headless_platform.h"
#include "platform/runtime_error.h"
#include "settings/factory_defaults.h"

using namespace kelo;

namespace {

struct Group {
    std::vector<Label*> texts, switches;
};

void add(std::vector<Label*>& v, ControlArray<Label>& a, int lo, int hi) {
    for (int i = lo; i <= hi; ++i) v.push_back(&a[i]);
}

// Group g is what button g restores; group 0 is what no button touches.
Group group(frmKeloTrundo15& f, int g) {
    Group s;
    switch (g) {
    case 0:
        for (Label* c : {&f.lblVeloc[0], &f.lblVeloc[4], &f.lblNota[0], &f.lblFreqInc[0], &f.lblCollegamento[0],
                         &f.lblCadenza[14], &f.lblFreqIncisi[16]})
            s.texts.push_back(c);
        add(s.texts, f.lblMelos, 1, 32);
        break;
    case 1:
    case 2: {
        auto [modules, weights] = g == 1 ? std::tie(f.lblModulo, f.lblFreqInc) : std::tie(f.lblModuloB, f.lblFreIncB);
        add(s.switches, modules, 1, 13);
        add(s.texts, weights, 1, 13);
        add(s.texts, weights, 25, 26);
        break;
    }
    case 3:
        add(s.switches, f.lblInciso, 1, 15);
        add(s.switches, f.lblFreqIncisi, 0, 0);
        add(s.texts, f.lblFreqIncisi, 1, 15);
        s.texts.push_back(&f.lblInciso[16]);
        s.texts.push_back(&f.lblRip);
        break;
    case 4:
        add(s.texts, f.lblAccordi, 1, 9);
        add(s.texts, f.lblNotafinale, 1, 4);
        break;
    case 5:
        add(s.texts, f.lblCollegamento, 1, 1120);
        add(s.texts, f.lblCercaNota, 3, 5);
        add(s.texts, f.lblNotaA, 1, 8);
        add(s.texts, f.lblNotaB, 1, 8);
        break;
    case 6:
        for (int i = 1; i <= 130; ++i)
            if (f.lblNota[i].Caption != "X") s.texts.push_back(&f.lblNota[i]);
        break;
    case 7:
        add(s.switches, f.lblCadenza, 1, 13);
        add(s.texts, f.lblFreCad, 1, 13);
        s.texts.push_back(&f.lblCadenza[0]);
        break;
    }
    return s;
}

std::vector<std::string> snapshot(frmKeloTrundo15& f, int g) {
    std::vector<std::string> v;
    Group s = group(f, g);
    for (Label* c : s.texts) v.push_back(c->Caption + (c->Enabled ? "" : " disabled"));
    for (Label* c : s.switches) v.push_back(std::to_string(c->BackColor));
    return v;
}

void scramble(frmKeloTrundo15& f, int g) {
    Group s = group(f, g);
    for (Label* c : s.texts) c->Caption = "junk";
    for (Label* c : s.switches) c->BackColor = ColoreSpento;
}

}  // namespace

TEST(FactoryDefaults, EachButtonRestoresItsGroupOnlyAndZeroRestoresAll) {
    HeadlessPlatform hp;
    frmKeloTrundo15 factory(hp.platform);
    frmKeloTrundo15 design(hp.platform);
    factory.lblCercaNota[0].Caption = "7";  // the case on view
    resetAllToFactory(factory);
    EXPECT_EQ(snapshot(factory, 6), snapshot(design, 6)) << "the design pivot weights are the factory ones";

    for (int button = 0; button <= 7; ++button) {
        SCOPED_TRACE(button);
        frmKeloTrundo15 f(hp.platform);
        f.lblCercaNota[0].Caption = "7";
        f.lblScritteVarie[75].Caption = "Profilo caricato";
        for (int g = 0; g <= 7; ++g) scramble(f, g);
        std::vector<std::vector<std::string>> scrambled;
        for (int g = 0; g <= 7; ++g) scrambled.push_back(snapshot(f, g));

        lblDefault_MouseDown(f, button, MouseArgs{2, 1, 10, 10});
        EXPECT_EQ(f.lblDefault[button].BackColor, ColoreTenuto);
        EXPECT_EQ(f.lblDefault[button].BorderStyle, 1);
        lblDefault_MouseUp(f, button, MouseArgs{2, 1, 10, 10});
        EXPECT_EQ(f.lblDefault[button].BackColor, ColoreDefault);
        EXPECT_EQ(f.lblDefault[button].BorderStyle, 0);

        for (int g = 0; g <= 7; ++g) {
            bool restored = g != 0 && (button == 0 || button == g);
            EXPECT_EQ(snapshot(f, g), restored ? snapshot(factory, g) : scrambled[static_cast<size_t>(g)]) << g;
        }
        EXPECT_EQ(f.lblScritteVarie[75].Caption, button == 0 ? kFactoryProfileName : "Profilo caricato");
        EXPECT_EQ(f.lblCercaNota[0].Caption, "7");
        if (button == 0 || button == 5)
            for (int k = 1; k <= 80; ++k) {
                EXPECT_EQ(f.lblCollegamento[k].Caption, f.lblCollegamento[560 + k].Caption) << k;
                EXPECT_EQ(f.lblCollegamento[k].Enabled, f.lblCollegamento[k].Caption != "X") << k;
            }
    }
    EXPECT_THROW(lblDefault_MouseDown(design, 8, MouseArgs{}), RuntimeError);
}
