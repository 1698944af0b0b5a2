// Whatever a user does with the mouse on the settings, they stay settings the
// next start accepts and the composer can use: seeded random presses, holds and
// releases on every control of the settings tables, inert items included, with
// the engine panel shown now and then and compositions arriving during a hold.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "model/main_window.h"
#include "platform/dispatch.h"
#include "settings/settings_check.h"
#include "settings/settings_record.h"
#include "settings/user_settings.h"
#include "support/headless_program.h"

using namespace kelo;

TEST(SettingsEditorsProperty, RandomPressesHoldsAndReleasesLeaveUsableSettingsThatSurviveTheExitSave) {
    kelo::support::HeadlessProgram p("editors-property");
    p.startAndGreet();
    frmKeloTrundo15& f = p.f;
    std::vector<std::vector<Label*>> tables{{&f.lblRip}, {&f.lblModo}};
    for (ControlArray<Label>* a : {&f.lblInciso, &f.lblFreqIncisi, &f.lblCadenza, &f.lblFreCad, &f.lblModulo,
                                   &f.lblModuloB, &f.lblFreqInc, &f.lblFreIncB, &f.lblAccordi, &f.lblNotafinale,
                                   &f.lblNota, &f.lblCollegamento, &f.lblCercaNota, &f.lblVeloc, &f.lblDefault}) {
        tables.emplace_back();
        a->forEach([&](Label& l) { tables.back().push_back(&l); });
    }
    const Timer* repeat[] = {&f.TmrAccordi, &f.TmrFreCad, &f.TmrNota,   &f.TmrIncisi,       &f.TmrFinali, &f.TmrRip,
                             &f.TmrMod,     &f.TmrModB,   &f.TmrPagina, &f.TmrCollegamento, &f.TmrVeloc};

    // Each round starts from what the last one saved: the factory settings, then edited ones.
    for (unsigned seed : {1u, 2u, 3u, 4u}) {
        SCOPED_TRACE(seed);
        std::mt19937 rng(seed);
        auto below = [&](size_t n) { return rng() % n; };
        int pressed = 0;
        for (int action = 0; action < 1000; ++action) {
            if (below(40) == 0) deliverClick(f.ImgLogo);  // the engine panel, on or off
            const auto& table = tables[below(tables.size())];
            Label& c = *table[below(table.size())];
            if (!deliverMouseDown(c)) continue;  // hidden or disabled: no press reaches it
            ++pressed;
            p.hp.advance(static_cast<int64_t>(below(3) ? below(700) : 0));
            if (below(25) == 0) raiseClick(f.cmdIncisi), p.hp.advance(static_cast<int64_t>(below(300)));
            deliverMouseUp(c);
            for (const Timer* t : repeat) ASSERT_FALSE(t->Enabled()) << t->Name << " after " << c.Name << c.Index;
            SettingsRecordCheck now = checkSettingsValues(collectSettingsRecord(f));
            ASSERT_TRUE(now.ok()) << c.Name << "(" << c.Index << "), line " << now.badLine << ": " << now.reason;
        }
        EXPECT_GT(pressed, 500);
        ASSERT_NO_THROW(raiseClick(f.cmdIncisi));
        const std::vector<RecordValue> record = collectSettingsRecord(f);
        ASSERT_TRUE(SalvaImpostazioniUtente(f));
        CaricaImpostazioniUtente(f);
        EXPECT_TRUE(p.hp.display.messages.empty()) << p.hp.display.messages.front();
        EXPECT_EQ(collectSettingsRecord(f), record);
    }
}
