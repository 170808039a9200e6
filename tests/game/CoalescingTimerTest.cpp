// The brick and animation timers: their period, and firing along with the
// game thread's wake-ups instead of waking the user-interface thread
// themselves. On a virtual clock.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "CoalescingTimer.h"
#include "VirtualTimerClock.h"

namespace tamb {
namespace {

using test::VirtualTimerClock;

struct TimerOnVirtualTime {
    VirtualTimerClock* clock;
    CoalescingTimer timer;
    std::vector<qint64> at;  // the firings
    TimerOnVirtualTime() : TimerOnVirtualTime(std::make_unique<VirtualTimerClock>()) {}
    explicit TimerOnVirtualTime(std::unique_ptr<VirtualTimerClock> c) : clock(c.get()), timer(nullptr, std::move(c)) {
        QObject::connect(&timer, &CoalescingTimer::timeout, [this] { at.push_back(clock->now()); });
    }
};

TEST(CoalescingTimer, AloneItKeepsItsPeriodAndIsNeverEarly) {
    TimerOnVirtualTime t;
    t.timer.setInterval(50);
    t.timer.setWindow(10);
    t.timer.start();
    t.clock->advance(1030);
    t.timer.stop();
    // Deadlines at 50, 100, ... 1000 ms; each firing comes after its own.
    ASSERT_GE(t.at.size(), 17u);
    EXPECT_LE(t.at.size(), 20u);
    for (size_t k = 0; k < t.at.size(); ++k) EXPECT_GE(t.at[k], 50 * static_cast<qint64>(k + 1)) << k;
}

TEST(CoalescingTimer, FiresAlongWithSharedWakeUpsAndHoldsItsPeriod) {
    TimerOnVirtualTime t;
    t.timer.setInterval(100);
    t.timer.setWindow(15);
    t.timer.start();
    // Someone else wakes the thread every 30 ms, as the game thread does.
    std::vector<qint64> wakes;
    for (qint64 now = 30; now <= 2040; now += 30) {
        t.clock->advanceTo(now);
        wakes.push_back(now);
        t.timer.shareWake();
        t.clock->advance(0);  // the same pass of the event loop
    }
    t.timer.stop();

    ASSERT_GE(t.at.size(), 18u) << "about one firing per 100 ms";
    EXPECT_LE(t.at.size(), 21u);
    // Every firing follows a shared wake-up at once.
    size_t shared = 0;
    for (const qint64 f : t.at) {
        for (const qint64 w : wakes) {
            if (f >= w && f - w <= 5) {
                ++shared;
                break;
            }
        }
    }
    EXPECT_EQ(shared, t.at.size());
}

TEST(CoalescingTimer, AWakeUpOutsideTheWindowDoesNotFireIt) {
    TimerOnVirtualTime t;
    t.timer.setInterval(200);
    t.timer.setWindow(10);
    t.timer.start();
    t.clock->advance(50);
    t.timer.shareWake();  // 150 ms before the deadline
    t.clock->advance(20);
    EXPECT_TRUE(t.at.empty());
    EXPECT_TRUE(t.timer.isActive());
}

TEST(CoalescingTimer, StopAndNewIntervalsBehaveLikeQTimer) {
    TimerOnVirtualTime t;
    t.timer.setInterval(40);
    EXPECT_FALSE(t.timer.isActive());
    t.timer.start();
    EXPECT_TRUE(t.timer.isActive());
    t.clock->advance(120);
    ASSERT_GE(t.at.size(), 2u);
    t.timer.stop();
    const size_t stopped = t.at.size();
    t.timer.shareWake();
    t.clock->advance(150);
    EXPECT_EQ(t.at.size(), stopped) << "a stopped timer stays silent";

    // A new interval on a running timer starts the period anew.
    t.timer.setInterval(1000);
    EXPECT_FALSE(t.timer.isActive());
    t.timer.start();
    t.clock->advance(100);
    t.timer.setInterval(60);
    EXPECT_EQ(t.timer.interval(), 60);
    t.clock->advance(500);
    ASSERT_GT(t.at.size(), stopped);
    EXPECT_LT(t.at.back() - t.at[stopped - 1], 1000);
    // Set at 370 ms: the deadline is 60 ms on, the firing one window later.
    EXPECT_EQ(t.at[stopped], 370 + 60 + 15);
}

TEST(CoalescingTimer, AThreadHeldUpDoesNotGetABurstAfterwards) {
    TimerOnVirtualTime t;
    t.timer.setInterval(50);
    t.timer.setWindow(10);
    bool held = false;
    QObject::connect(&t.timer, &CoalescingTimer::timeout, [&] {
        if (held) return;
        held = true;
        t.clock->spend(400);  // eight periods without the event loop
    });
    t.timer.start();
    t.clock->advance(520);
    t.timer.stop();
    // One firing before the hold-up, then the period goes on from its end:
    // about two more, not the eight missed ones at once.
    EXPECT_LE(t.at.size(), 4u);
    for (size_t k = 2; k < t.at.size(); ++k) EXPECT_GE(t.at[k] - t.at[k - 1], 30) << k;
}

}  // namespace
}  // namespace tamb
