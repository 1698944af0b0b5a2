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

// Their order is the scheduler's, tested on the virtual clock: here ticks come, then stop.
TEST(DesktopTimers, TickOnTheEventLoopUntilDisabled) {
    DesktopPlatform desktop;
    Timer ticker, witness;  // a ticker still running would tick before the witness
    for (Timer* t : {&ticker, &witness}) desktop.platform().timers.adopt(*t);
    ticker.SetInterval(20);
    witness.SetInterval(100);
    int ticks = 0;
    bool witnessed = false;
    ticker.OnTick = [&] {
        if (++ticks < 3) return;
        ticker.SetEnabled(false);
        witness.SetEnabled(true);
    };
    witness.OnTick = [&] { witnessed = true; };
    desktop.run([&] {
        ticker.SetEnabled(true);
        EXPECT_EQ(ticks, 0) << "a timer enabled in an event ticks after it";
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return witnessed; }, 10000));
    EXPECT_EQ(ticks, 3);
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
        // A modal dialog spins the event loop inside the event, past the tick's due time.
        bool pastDue = false;
        QTimer::singleShot(30, Qt::PreciseTimer, [&] { pastDue = true; });
        desktop.gate().modal([&] { EXPECT_TRUE(QTest::qWaitFor([&] { return pastDue; }, 10000)); });
        EXPECT_EQ(ticks, 0);
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks > 0; }, 10000)) << "the timer goes on once the event has returned";
}

namespace {
// The desktop with the run-time errors it showed.
struct DesktopErrors : ::testing::Test {
    DesktopPlatform desktop;
    std::vector<std::string> shown;
    DesktopErrors() { desktop.gate().reportError = [this](const std::string& text) { shown.push_back(text); }; }
};
}  // namespace

TEST_F(DesktopErrors, ARunTimeErrorInATickIsShownAndEndsTheProgramWithAFailure) {
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

TEST_F(DesktopErrors, ARunTimeErrorAtStartEndsTheProgramBeforeTheLoop) {
    desktop.run([] { raise(ErrorCode::FileNotFound, "Kelo 2020\\Grafica\\Splash Kelo.jpg"); });
    failAfter(3000);
    EXPECT_EQ(desktop.exec(), 1);
    EXPECT_EQ(shown.size(), 1u);
}
