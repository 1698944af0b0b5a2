// Timers on the Qt event loop, and the end of the program on a run-time error.
#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

#include "platform/desktop/desktop_platform.h"
#include "platform/runtime_error.h"

using namespace kelo;

namespace {
// A loop that hangs fails the test instead of the whole run.
void failAfter(int ms) {
    QTimer::singleShot(ms, [] { QCoreApplication::exit(99); });
}
}  // namespace

TEST(DesktopTimers, TickInDueOrderOnTheEventLoopUntilDisabled) {
    DesktopPlatform desktop;
    Timer fast, slow;
    desktop.platform().timers.adopt(fast);
    desktop.platform().timers.adopt(slow);
    fast.SetInterval(20);
    slow.SetInterval(50);
    std::vector<std::string> ticks;
    int fastTicks = 0;
    fast.OnTick = [&] {
        ticks.push_back("fast");
        if (++fastTicks == 3) fast.SetEnabled(false);
    };
    slow.OnTick = [&] {
        ticks.push_back("slow");
        slow.SetEnabled(false);
    };
    desktop.run([&] {
        fast.SetEnabled(true);
        slow.SetEnabled(true);
        EXPECT_TRUE(ticks.empty()) << "a timer enabled in an event ticks after it";
    });
    QTest::qWait(250);
    EXPECT_EQ(ticks, (std::vector<std::string>{"fast", "fast", "slow", "fast"}));
}

TEST(DesktopTimers, NoTickInterruptsAnEventThatWaitsInADialog) {
    DesktopPlatform desktop;
    Timer t;
    desktop.platform().timers.adopt(t);
    t.SetInterval(10);
    int ticks = 0;
    t.OnTick = [&] { ++ticks; };
    desktop.run([&] {
        t.SetEnabled(true);
        // A modal dialog spins the event loop inside the event.
        desktop.gate().modal([] { QTest::qWait(80); });
        EXPECT_EQ(ticks, 0);
    });
    QTest::qWait(50);
    EXPECT_GT(ticks, 0) << "the timer goes on once the event has returned";
}

TEST(DesktopErrors, ARunTimeErrorInATickIsShownAndEndsTheProgramWithAFailure) {
    DesktopPlatform desktop;
    std::vector<std::string> shown;
    desktop.gate().reportError = [&](const std::string& text) { shown.push_back(text); };
    Timer t;
    desktop.platform().timers.adopt(t);
    t.SetInterval(10);
    int ticks = 0;
    t.OnTick = [&] {
        ++ticks;
        raise(ErrorCode::Overflow, "lblFreqInc(3)");
    };
    desktop.run([&] { t.SetEnabled(true); });
    failAfter(3000);
    EXPECT_EQ(desktop.exec(), 1);
    EXPECT_EQ(ticks, 1);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], RuntimeError(ErrorCode::Overflow, "lblFreqInc(3)").userMessage());
    desktop.run([&] { ++ticks; });
    EXPECT_EQ(ticks, 1) << "nothing runs after the end";
}

TEST(DesktopErrors, ARunTimeErrorAtStartEndsTheProgramBeforeTheLoop) {
    DesktopPlatform desktop;
    std::vector<std::string> shown;
    desktop.gate().reportError = [&](const std::string& text) { shown.push_back(text); };
    desktop.run([] { raise(ErrorCode::FileNotFound, "Kelo 2020\\Grafica\\Splash Kelo.jpg"); });
    failAfter(3000);
    EXPECT_EQ(desktop.exec(), 1);
    EXPECT_EQ(shown.size(), 1u);
}
