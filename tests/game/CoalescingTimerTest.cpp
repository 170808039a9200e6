// The brick and animation timers: their period, and firing along with the
// game thread's wake-ups instead of waking the user-interface thread
// themselves.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <vector>

#include "CoalescingTimer.h"

namespace tamb {
namespace {

struct Firings {
    QElapsedTimer clock;
    std::vector<qint64> at;
    explicit Firings(CoalescingTimer& timer) {
        clock.start();
        QObject::connect(&timer, &CoalescingTimer::timeout, [this] { at.push_back(clock.elapsed()); });
    }
};

TEST(CoalescingTimer, AloneItKeepsItsPeriodAndIsNeverEarly) {
    CoalescingTimer timer;
    timer.setInterval(50);
    timer.setWindow(10);
    Firings firings(timer);
    timer.start();
    QTest::qWait(1030);
    timer.stop();
    // Deadlines at 50, 100, ... 1000 ms; each firing comes after its own.
    ASSERT_GE(firings.at.size(), 17u);
    EXPECT_LE(firings.at.size(), 20u);
    for (size_t k = 0; k < firings.at.size(); ++k) EXPECT_GE(firings.at[k], 50 * static_cast<qint64>(k + 1)) << k;
}

TEST(CoalescingTimer, FiresAlongWithSharedWakeUpsAndHoldsItsPeriod) {
    CoalescingTimer timer;
    timer.setInterval(100);
    timer.setWindow(15);
    Firings firings(timer);
    // Someone else wakes the thread every 30 ms, as the game thread does.
    std::vector<qint64> wakes;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        wakes.push_back(firings.clock.elapsed());
        timer.shareWake();
    });
    ticker.start(30);
    timer.start();
    QTest::qWait(2040);
    timer.stop();
    ticker.stop();

    ASSERT_GE(firings.at.size(), 18u) << "about one firing per 100 ms";
    EXPECT_LE(firings.at.size(), 21u);
    // Nearly every firing follows a shared wake-up at once; a loaded
    // machine may let the odd one go to the timer's own wake-up.
    size_t shared = 0;
    for (const qint64 f : firings.at) {
        for (const qint64 w : wakes) {
            if (f >= w && f - w <= 5) {
                ++shared;
                break;
            }
        }
    }
    EXPECT_GE(shared * 10, firings.at.size() * 8) << shared << " of " << firings.at.size();
}

TEST(CoalescingTimer, AWakeUpOutsideTheWindowDoesNotFireIt) {
    CoalescingTimer timer;
    timer.setInterval(200);
    timer.setWindow(10);
    Firings firings(timer);
    timer.start();
    QTest::qWait(50);
    timer.shareWake();  // 150 ms before the deadline
    QTest::qWait(20);
    EXPECT_TRUE(firings.at.empty());
    EXPECT_TRUE(timer.isActive());
}

TEST(CoalescingTimer, StopAndNewIntervalsBehaveLikeQTimer) {
    CoalescingTimer timer;
    timer.setInterval(40);
    Firings firings(timer);
    EXPECT_FALSE(timer.isActive());
    timer.start();
    EXPECT_TRUE(timer.isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return firings.at.size() >= 2; }, 2000));
    timer.stop();
    const size_t stopped = firings.at.size();
    timer.shareWake();
    QTest::qWait(150);
    EXPECT_EQ(firings.at.size(), stopped) << "a stopped timer stays silent";

    // A new interval on a running timer starts the period anew.
    timer.setInterval(1000);
    EXPECT_FALSE(timer.isActive());
    timer.start();
    QTest::qWait(100);
    timer.setInterval(60);
    EXPECT_EQ(timer.interval(), 60);
    ASSERT_TRUE(QTest::qWaitFor([&] { return firings.at.size() > stopped; }, 500));
    EXPECT_LT(firings.at.back() - firings.at[stopped - 1], 1000);
}

TEST(CoalescingTimer, AThreadHeldUpDoesNotGetABurstAfterwards) {
    CoalescingTimer timer;
    timer.setInterval(50);
    timer.setWindow(10);
    Firings firings(timer);
    bool held = false;
    QObject::connect(&timer, &CoalescingTimer::timeout, [&] {
        if (held) return;
        held = true;
        QThread::msleep(400);  // eight periods without the event loop
    });
    timer.start();
    QTest::qWait(520);
    timer.stop();
    // One firing before the hold-up, then the period goes on from its end:
    // about two more, not the eight missed ones at once.
    EXPECT_LE(firings.at.size(), 4u);
    for (size_t k = 2; k < firings.at.size(); ++k) EXPECT_GE(firings.at[k] - firings.at[k - 1], 30) << k;
}

}  // namespace
}  // namespace tamb
