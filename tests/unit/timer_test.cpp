#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"

using namespace kelo;

namespace {
using Log = std::vector<std::string>;

// Three timers on the virtual clock that log "name@time" at every tick.
struct Timers : ::testing::Test {
    HeadlessPlatform hp;
    Timer a, b, d;
    Log log;
    Timers() {
        for (auto [t, name] : {std::pair{&a, "a"}, {&b, "b"}, {&d, "d"}}) {
            t->Name = name, hp.timers.adopt(*t);
            t->OnTick = [this, timer = t] { log.push_back(std::string(timer->Name) + "@" + std::to_string(hp.now())); };
        }
    }
    void start(Timer& t, int interval) { t.SetInterval(interval), t.SetEnabled(true); }
};
}  // namespace

TEST_F(Timers, TickInTimeOrderWithTiesInArmingOrder) {
    start(a, 100), start(d, 100), start(b, 30);
    hp.advance(200);
    EXPECT_EQ(log, (Log{"b@30", "b@60", "b@90", "a@100", "d@100", "b@120", "b@150", "b@180", "a@200", "d@200"}));
}

TEST_F(Timers, ReEnablingKeepsTheCountAnOffAndOnOrANewIntervalRestartsItAndZeroNeverTicks) {
    start(a, 100), hp.advance(50);
    a.SetEnabled(true), hp.advance(60);  // already running: keeps its count
    a.SetEnabled(false), hp.advance(1000);
    a.SetEnabled(true), hp.advance(140);  // off then on: counts afresh
    a.SetInterval(600), hp.advance(600);  // a new interval: counts afresh
    a.SetInterval(0), hp.advance(5000);
    EXPECT_EQ(log, (Log{"a@100", "a@1210", "a@1850"}));
}

TEST_F(Timers, AHandlerMayDestroyItsOwnTimerAndOthersWhileEnabled) {
    std::optional<Timer> self(std::in_place), other(std::in_place);
    for (Timer* t : {&*self, &*other}) hp.timers.adopt(*t), t->SetInterval(100), t->SetEnabled(true);
    self->OnTick = [&] { self.reset(), other.reset(), log.push_back("self"); };
    other->OnTick = [&] { log.push_back("other"); };
    hp.advance(1000);
    EXPECT_EQ(log, Log{"self"});
    EXPECT_FALSE(hp.timers.nextDue()) << "destroyed timers are forgotten";
}
