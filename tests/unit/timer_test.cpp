#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <type_traits>
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
            t->Name = name;
            hp.timers.adopt(*t);
            t->OnTick = [this, timer = t] { log.push_back(std::string(timer->Name) + "@" + std::to_string(hp.now())); };
        }
    }
    void start(Timer& t, int interval) { t.SetInterval(interval), t.SetEnabled(true); }
};
}  // namespace

TEST_F(Timers, TickInTimeOrderWithTiesInArmingOrder) {
    start(a, 100);
    start(d, 100);
    start(b, 30);
    hp.advance(200);
    EXPECT_EQ(log, (Log{"b@30", "b@60", "b@90", "a@100", "d@100", "b@120", "b@150", "b@180", "a@200", "d@200"}));
}

TEST_F(Timers, EnabledInsideAHandlerTicksOnlyAfterItsInterval) {
    b.SetInterval(2500);
    a.OnTick = [&] { a.SetEnabled(false), b.SetEnabled(true), log.push_back("a@" + std::to_string(hp.now())); };
    start(a, 500);
    hp.advance(10000);
    EXPECT_EQ(log, (Log{"a@500", "b@3000", "b@5500", "b@8000"}));
}

TEST_F(Timers, DisableStopsTicksAndReEnablingARunningTimerDoesNotRestartIt) {
    start(a, 100);
    hp.advance(50);
    a.SetEnabled(true);  // already running: keeps its count
    hp.advance(60);
    a.SetEnabled(false);
    hp.advance(1000);
    a.SetEnabled(true);  // off then on: counts afresh
    hp.advance(100);
    EXPECT_EQ(log, (Log{"a@100", "a@1210"}));
}

TEST_F(Timers, AHandlerMayDestroyItsOwnTimerAndOthersWhileEnabled) {
    static_assert(!std::is_copy_constructible_v<Timer> && !std::is_move_constructible_v<Timer>);
    std::optional<Timer> self(std::in_place), other(std::in_place);
    for (Timer* t : {&*self, &*other}) hp.timers.adopt(*t), t->SetInterval(100), t->SetEnabled(true);
    self->OnTick = [&] { self.reset(), other.reset(), log.push_back("self"); };
    other->OnTick = [&] { log.push_back("other"); };
    hp.advance(1000);
    EXPECT_EQ(log, Log{"self"});
    EXPECT_FALSE(hp.timers.nextDue()) << "destroyed timers are forgotten";
}

TEST_F(Timers, ANewIntervalRestartsTheCountAndZeroNeverTicks) {
    start(a, 114);
    hp.advance(100);
    a.SetInterval(600);
    hp.advance(599);
    EXPECT_TRUE(log.empty());
    hp.advance(1);
    a.SetInterval(0);
    hp.advance(5000);
    EXPECT_EQ(log, Log{"a@700"});
}
