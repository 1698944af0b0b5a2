// The "*" buttons: each puts its own tables back to the factory values (which
// golden_tables_test pins) and leaves every other cell as the user left it.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "model/colours.h"
#include "model/main_window.h"
#include "platform/headless/headless_platform.h"
#include "platform/runtime_error.h"
#include "settings/factory_defaults.h"
#include "settings/settings_record.h"

using namespace kelo;
using T = SettingsTable;

TEST(FactoryDefaults, EachButtonRestoresItsTablesOnlyAndZeroRestoresAll) {
    // The tables of buttons 1..7; button 0 restores all of them and the profile name.
    const std::vector<std::vector<T>> groups = {{},
                                                {T::Modulo, T::FreqInc},
                                                {T::ModuloB, T::FreIncB},
                                                {T::Inciso, T::FreqIncisi, T::Rip},
                                                {T::Accordi, T::Notafinale},
                                                {T::Collegamento},
                                                {T::Nota},
                                                {T::Cadenza, T::FreCad}};
    const auto& fields = settingsRecordFields();
    HeadlessPlatform hp;
    frmKeloTrundo15 design(hp.platform), factoryWindow(hp.platform);
    resetAllToFactory(factoryWindow);
    const std::vector<RecordValue> factory = collectSettingsRecord(factoryWindow);
    for (int i = 1; i <= 130; ++i) EXPECT_EQ(factoryWindow.lblNota[i].Caption, design.lblNota[i].Caption) << i;

    for (int button = 0; button <= 7; ++button) {
        SCOPED_TRACE(button);
        frmKeloTrundo15 f(hp.platform);
        f.lblCercaNota[0].Caption = "7";  // the case on view
        // Every setting away from its factory value (the pivot grid's "X" stay).
        for (const SettingsField& field : fields) {
            Label& c = settingsFieldLabel(f, field);
            if (field.colour) c.BackColor = ColoreSpento;
            if (!field.colour && c.Caption != "X") c.Caption = "junk";
        }
        // and cells next to them that no button restores, the page among them.
        Label* others[] = {&f.lblVeloc[0], &f.lblVeloc[4], &f.lblMelos[3], &f.lblFreqIncisi[16], &f.lblCadenza[14]};
        for (Label* c : others) c->Caption = "junk";
        for (int i = 1; i <= 80; ++i) f.lblCollegamento[i].Caption = "junk";
        const std::vector<RecordValue> scrambled = collectSettingsRecord(f);

        const Label& pressed = f.lblDefault[button];
        lblDefault_MouseDown(f, button, MouseArgs{2, 1, 10, 10});
        EXPECT_TRUE(pressed.BackColor == ColoreTenuto && pressed.BorderStyle == 1) << "no held look";
        lblDefault_MouseUp(f, button, MouseArgs{2, 1, 10, 10});
        EXPECT_TRUE(pressed.BackColor == ColoreDefault && pressed.BorderStyle == 0) << "no rest look";

        const std::vector<RecordValue> after = collectSettingsRecord(f);
        const auto& mine = groups[static_cast<size_t>(button)];
        for (size_t i = 0; i < fields.size(); ++i) {
            bool restored = button == 0 || std::find(mine.begin(), mine.end(), fields[i].table) != mine.end();
            EXPECT_EQ(after[i], restored ? factory[i] : scrambled[i]) << "line " << i + 1;
            EXPECT_TRUE(scrambled[i] != factory[i] || factory[i].text == "X") << "line " << i + 1;
        }
        for (Label* c : others) EXPECT_EQ(c->Caption, "junk") << c->Name << c->Index;
        EXPECT_EQ(f.lblCercaNota[0].Caption, "7");
        // The case on view gets its page again from the restored bank.
        for (int k = 1; k <= 80; ++k) {
            const Label& page = f.lblCollegamento[k];
            EXPECT_EQ(page.Caption, button == 0 || button == 5 ? f.lblCollegamento[560 + k].Caption : "junk") << k;
            EXPECT_TRUE(page.Caption == "junk" || page.Enabled == (page.Caption != "X")) << k;
        }
    }
    EXPECT_THROW(lblDefault_MouseDown(design, 8, MouseArgs{}), RuntimeError);
}
