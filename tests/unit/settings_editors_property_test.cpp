// Whatever a user does with the mouse on the settings, they stay settings the
// next start accepts and the composer can use: seeded random presses, holds and
// releases on every control of the settings tables, inert items included, with
// the engine panel shown now and then and compositions arriving during a hold.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <vector>

#include "model/main_window.h"
#include "platform/dispatch.h"
#include "settings/settings_check.h"
#include "settings/settings_record.h"
#include "settings/user_settings.h"
#include "support/headless_program.h"

using namespace kelo;
using namespace kelo::testing;

namespace {

constexpr const char* kOff = "16777215";

// Five first-list modules with the pool at five, one cadence, one song form, a
// profile name of the user's and final notes at both ends of their range.
RecordEdits editedSettings() {
    RecordEdits e{{1, "\"Mio profilo\""}, {2, "\"5\""}, {3, "\"5\""}, {89, "\"16\""}, {90, "\"1\""},
                  {100, "\"0\""},         {101, "\"16\""}, {102, "\"0\""}, {1274, "\"1\""}};
    for (int k = 6; k <= 13; ++k) e.push_back({2 * k + 2, kOff});
    for (int k = 2; k <= 15; ++k) e.push_back({2 * k + 56, kOff});
    for (int k = 2; k <= 13; ++k) e.push_back({2 * k + 1273, kOff});
    return e;
}

std::vector<Label*> everything(ControlArray<Label>& a) {
    std::vector<Label*> v;
    a.forEach([&](Label& l) { v.push_back(&l); });
    return v;
}

}  // namespace

TEST(SettingsEditorsProperty, RandomPressesHoldsAndReleasesLeaveUsableSettingsThatSurviveTheExitSave) {
    for (bool edited : {false, true})
        for (unsigned seed : {1u, 2u, 3u}) {
            SCOPED_TRACE((edited ? "edited settings, seed " : "factory settings, seed ") + std::to_string(seed));
            HeadlessProgram p("editors-property");
            frmKeloTrundo15& f = p.f;
            if (edited)
                std::ofstream(p.dir / "Kelo 2020" / "Dati" / "User.txt", std::ios::binary)
                    << factoryRecordWith(editedSettings());
            p.startAndGreet();
            ASSERT_TRUE(p.hp.display.messages.empty()) << p.hp.display.messages.front();

            const std::vector<std::vector<Label*>> tables = {
                everything(f.lblInciso),   everything(f.lblFreqIncisi), {&f.lblRip},
                everything(f.lblCadenza),  everything(f.lblFreCad),     everything(f.lblModulo),
                everything(f.lblModuloB),  everything(f.lblFreqInc),    everything(f.lblFreIncB),
                everything(f.lblAccordi),  everything(f.lblNotafinale), everything(f.lblNota),
                everything(f.lblCollegamento), everything(f.lblCercaNota), everything(f.lblVeloc),
                everything(f.lblDefault),  {&f.lblModo}};
            Timer* repeat[] = {&f.TmrAccordi, &f.TmrFreCad, &f.TmrNota,   &f.TmrIncisi,       &f.TmrFinali, &f.TmrRip,
                               &f.TmrMod,     &f.TmrModB,   &f.TmrPagina, &f.TmrCollegamento, &f.TmrVeloc};

            std::mt19937 rng(seed);
            auto below = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
            int pressed = 0;
            for (int action = 0; action < 1500; ++action) {
                if (below(40) == 0) {
                    ASSERT_TRUE(deliverClick(f.ImgLogo));  // the engine panel, on or off
                    continue;
                }
                const auto& table = tables[static_cast<size_t>(below(static_cast<int>(tables.size())))];
                Label& c = *table[static_cast<size_t>(below(static_cast<int>(table.size())))];
                if (!deliverMouseDown(c)) continue;  // hidden or disabled: no press reaches it
                ++pressed;
                p.hp.advance(below(3) == 0 ? 0 : below(700));
                if (below(25) == 0) {
                    raiseClick(f.cmdIncisi);
                    p.hp.advance(below(300));
                }
                deliverMouseUp(c);
                for (Timer* t : repeat) ASSERT_FALSE(t->Enabled()) << t->Name << " runs after the release of " << c.Name;
                SettingsRecordCheck now = checkSettingsValues(collectSettingsRecord(f));
                ASSERT_TRUE(now.ok()) << "after " << c.Name << "(" << c.Index << "), line " << now.badLine << ": "
                                      << now.reason;
            }
            EXPECT_GT(pressed, 800);

            const std::vector<RecordValue> record = collectSettingsRecord(f);
            SettingsRecordCheck check = checkSettingsValues(record);
            ASSERT_TRUE(check.ok()) << "line " << check.badLine << ": " << check.reason;
            ASSERT_NO_THROW(raiseClick(f.cmdIncisi));

            ASSERT_TRUE(SalvaImpostazioniUtente(f));
            CaricaImpostazioniUtente(f);
            EXPECT_TRUE(p.hp.display.messages.empty()) << p.hp.display.messages.front();
            EXPECT_EQ(collectSettingsRecord(f), record);
        }
}
