#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/headless/headless_platform.h"

using namespace kelo;

namespace {
struct Clocked {
    HeadlessPlatform hp;
    std::vector<std::string> log;
    void watch(Timer& t, const char* name, int interval) {
        t.Name = name;
        hp.timers.adopt(t);
        t.SetInterval(interval);
        t.OnTick = [this, &t] { log.push_back(std::string(t.Name) + "@" + std::to_string(hp.now())); };
    }
};
}  // namespace

TEST(Timers, TickInTimeOrderWithTiesInArmingOrder) {
    Clocked c;
    Timer a, b, d;
    c.watch(a, "a", 100);
    c.watch(b, "b", 30);
    c.watch(d, "d", 100);
    a.SetEnabled(true);
    d.SetEnabled(true);
    b.SetEnabled(true);
    c.hp.advance(200);
    EXPECT_EQ(c.log, (std::vector<std::string>{"b@30", "b@60", "b@90", "a@100", "d@100", "b@120", "b@150", "b@180",
                                               "a@200", "d@200"}));
}

TEST(Timers, EnabledInsideAHandlerTicksOnlyAfterItsInterval) {
    Clocked c;
    Timer first, second;
    c.watch(first, "first", 500);
    c.watch(second, "second", 2500);
    first.OnTick = [&] {
        first.SetEnabled(false);
        second.SetEnabled(true);
        c.log.push_back("first@" + std::to_string(c.hp.now()));
    };
    first.SetEnabled(true);
    c.hp.advance(10000);
    EXPECT_EQ(c.log, (std::vector<std::string>{"first@500", "second@3000", "second@5500", "second@8000"}));
}

TEST(Timers, DisableStopsTicksAndReEnablingARunningTimerDoesNotRestartIt) {
    Clocked c;
    Timer t;
    c.watch(t, "t", 100);
    t.SetEnabled(true);
    c.hp.advance(50);
    t.SetEnabled(true);  // already running: keeps its count
    c.hp.advance(60);
    EXPECT_EQ(c.log, (std::vector<std::string>{"t@100"}));
    t.SetEnabled(false);
    c.hp.advance(1000);
    EXPECT_EQ(c.log.size(), 1u);
    t.SetEnabled(true);  // off then on: counts afresh
    c.hp.advance(100);
    EXPECT_EQ(c.log.back(), "t@1210");
}

TEST(Timers, AHandlerMayDestroyItsOwnTimerAndOthersWhileEnabled) {
    static_assert(!std::is_copy_constructible_v<Timer> && !std::is_move_constructible_v<Timer>);
    Clocked c;
    std::optional<Timer> self(std::in_place), other(std::in_place);
    c.watch(*self, "self", 100);
    c.watch(*other, "other", 100);
    self->OnTick = [&] {
        self.reset();
        other.reset();
        c.log.push_back("self");
    };
    self->SetEnabled(true);
    other->SetEnabled(true);
    c.hp.advance(1000);
    EXPECT_EQ(c.log, std::vector<std::string>{"self"});
    EXPECT_FALSE(c.hp.timers.nextDue()) << "destroyed timers are forgotten";
}

TEST(Timers, ANewIntervalRestartsTheCountAndZeroNeverTicks) {
    Clocked c;
    Timer t;
    c.watch(t, "t", 114);
    t.SetEnabled(true);
    c.hp.advance(100);
    t.SetInterval(600);
    c.hp.advance(599);
    EXPECT_TRUE(c.log.empty());
    c.hp.advance(1);
    EXPECT_EQ(c.log, (std::vector<std::string>{"t@700"}));
    t.SetInterval(0);
    c.hp.advance(5000);
    EXPECT_EQ(c.log.size(), 1u);
}
