// The game thread's loop, its pacing and its hand-over to the user-interface thread.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "FormsHarness.h"
#include "ImageView.h"
#include "RecordingHost.h"
#include "Rules.h"
#include "TestLevels.h"
#include "TManControl.h"
#include "UiGameHost.h"

namespace tamb {
namespace {

using namespace std::chrono_literals;
using test::RecordingHost;

// A clock the test controls: waits return at once with the time moved on
// to their deadline, and a tick may spend time of its own.
class FakeClock : public GameClock {
public:
    Duration now() override { return now_; }
    void waitUntil(Duration deadline) override {
        if (deadline > now_) now_ = deadline;
    }
    void wake() override {}
    void spend(Duration d) { now_ += d; }

private:
    Duration now_ = 1000ms;
};

// The recording host names threads by std::thread::id; the tests run on
// the user-interface thread.
std::thread::id uiThread() {
    EXPECT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread());
    return std::this_thread::get_id();
}

bool waitUntilGone(QPointer<TManControl>& thread, int ms = 5000) {
    return QTest::qWaitFor([&] { return thread.isNull(); }, ms);
}

TEST(GameThread, ExitBeforeTheFirstTickRunsNoTick) {
    GameState state;
    NullGameHost host;
    state.Command = Command::Exit;
    std::atomic<int> ticks{0};
    QPointer<TManControl> thread =
        new TManControl(state, host, [&](GameState&, GameHost&) { ++ticks; }, std::make_unique<SteadyGameClock>());
    TManControl::waitForEnd(thread);
    EXPECT_TRUE(thread.isNull());
    EXPECT_EQ(ticks, 0);
}

TEST(GameThread, FreesItselfWhenItEnds) {
    GameState state;
    NullGameHost host;
    std::atomic<int> ticks{0};
    QPointer<TManControl> thread = new TManControl(
        state, host,
        [&](GameState& s, GameHost&) {
            if (++ticks == 3) s.Command = Command::Exit;  // as game over does
        },
        std::make_unique<SteadyGameClock>());
    // Nobody waits: the object goes by itself and the reference turns null.
    ASSERT_TRUE(waitUntilGone(thread));
    EXPECT_EQ(ticks, 3);
}

TEST(GameThread, TicksFollowTheClockWithoutDrift) {
    for (const int speed : {100, 0}) {
        GameState state;
        NullGameHost host;
        state.GameDelay = GameDelayForSpeed(speed);
        const auto period = std::chrono::milliseconds(TickPeriodMs(state.GameDelay));
        auto clock = std::make_unique<FakeClock>();
        FakeClock* fake = clock.get();
        std::vector<GameClock::Duration> at;
        QPointer<TManControl> thread = new TManControl(
            state, host,
            [&](GameState& s, GameHost&) {
                at.push_back(fake->now());
                fake->spend(7ms);  // the rules and the drawing take time too
                if (at.size() == 40) s.Command = Command::Exit;
            },
            std::move(clock));
        TManControl::waitForEnd(thread);
        ASSERT_EQ(at.size(), 40u);
        EXPECT_EQ(period, speed == 100 ? 30ms : 80ms);
        // The first tick comes one period after the start, and every later
        // one exactly a period after the one before, whatever the tick cost.
        EXPECT_EQ(at[0], 1000ms + period);
        for (size_t k = 1; k < at.size(); ++k) EXPECT_EQ(at[k] - at[k - 1], period) << "tick " << k;
    }
}

TEST(GameThread, ALongTickIsNotMadeUpWithABurst) {
    GameState state;
    NullGameHost host;
    auto clock = std::make_unique<FakeClock>();
    FakeClock* fake = clock.get();
    std::vector<GameClock::Duration> at;
    QPointer<TManControl> thread = new TManControl(
        state, host,
        [&](GameState& s, GameHost&) {
            at.push_back(fake->now());
            if (at.size() == 2) fake->spend(200ms);  // the screen kept the thread waiting
            if (at.size() == 6) s.Command = Command::Exit;
        },
        std::move(clock));
    TManControl::waitForEnd(thread);
    ASSERT_EQ(at.size(), 6u);
    EXPECT_EQ(at[2] - at[1], 200ms);  // at once after the long one ...
    EXPECT_EQ(at[3] - at[2], 30ms);   // ... then the usual pace
    EXPECT_EQ(at[4] - at[3], 30ms);
}

TEST(GameThread, RealClockGivesAboutTheTickRate) {
    GameState state;
    NullGameHost host;
    state.GameDelay = GameDelayForSpeed(100);  // 30 ms
    std::atomic<int> ticks{0};
    QPointer<TManControl> thread =
        new TManControl(state, host, [&](GameState&, GameHost&) { ++ticks; }, std::make_unique<SteadyGameClock>());
    QElapsedTimer timer;
    timer.start();
    QTest::qWait(900);
    TManControl::stop(thread, state);
    const double expected = timer.elapsed() / 30.0;
    // Loose: a loaded machine may lose ticks, but never runs them early.
    EXPECT_LE(ticks, expected + 1);
    EXPECT_GE(ticks, expected * 0.4);
}

TEST(GameThread, PauseRunsNoTickAndAnyOtherCommandResumesAtOnce) {
    GameState state;
    NullGameHost host;
    // One-second slices while paused: a wake that did not come would be plain.
    state.GameDelay = 970 * 200000;
    state.Command = Command::Pause;
    std::atomic<int> ticks{0};
    QPointer<TManControl> thread =
        new TManControl(state, host, [&](GameState&, GameHost&) { ++ticks; }, std::make_unique<SteadyGameClock>());
    // Past the first tick time, into the pause slices.
    QTest::qWait(1300);
    EXPECT_EQ(ticks, 0);
    EXPECT_TRUE(thread->isRunning());
    EXPECT_EQ(thread->priority(), QThread::LowestPriority);
    QElapsedTimer timer;
    timer.start();
    state.Command = Command::Right;
    thread->wake();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks > 0; }, 2000));
    // Woken, the thread does not wait out its slice.
    EXPECT_LT(timer.elapsed(), 300);
    TManControl::stop(thread, state);
    EXPECT_TRUE(thread.isNull());
}

TEST(GameThread, ExitDuringPauseEndsTheThread) {
    GameState state;
    NullGameHost host;
    state.Command = Command::Pause;
    std::atomic<int> ticks{0};
    QPointer<TManControl> thread =
        new TManControl(state, host, [&](GameState&, GameHost&) { ++ticks; }, std::make_unique<SteadyGameClock>());
    QTest::qWait(100);
    TManControl::stop(thread, state);
    EXPECT_TRUE(thread.isNull());
    EXPECT_EQ(ticks, 0);
}

TEST(GameThread, WaitingForNoThreadReturnsAtOnce) {
    GameState state;
    QPointer<TManControl> none;
    TManControl::stop(none, state);
    TManControl::waitForEnd(none);
    EXPECT_TRUE(none.isNull());
    EXPECT_EQ(state.Command, Command::Stop);  // nothing to tell to end
}

// The hand-over to the user-interface thread.

TEST(UiGameHost, DrawingRunsOnTheUserInterfaceThreadWhileTheGameThreadWaits) {
    GameState state;
    RecordingHost ui;
    UiGameHost host(ui);
    std::atomic<int> ticks{0};
    std::atomic<bool> seenInOrder{true};
    std::atomic<std::thread::id> gameThread;
    QPointer<TManControl> thread = new TManControl(
        state, host,
        [&](GameState& s, GameHost& h) {
            gameThread = std::this_thread::get_id();
            const int before = ui.count("drawScene");
            h.drawScene(s);
            h.finishDrawing();
            // The screen has run the scene once finishDrawing returns.
            if (ui.count("drawScene") != before + 1) seenInOrder = false;
            h.restoreAround(s);
            h.takeKlad(s, 1, 2);
            h.burnBrick(s, 3, 4);
            h.livesLabelUpdate(s);
            h.threadPlaysound("Klad");
            if (++ticks == 3) s.Command = Command::Exit;
        },
        std::make_unique<SteadyGameClock>());
    TManControl::waitForEnd(thread);
    ASSERT_EQ(ticks, 3);
    EXPECT_TRUE(seenInOrder);
    const auto entries = ui.entries();
    ASSERT_EQ(entries.size(), 18u);
    for (const auto& e : entries) {
        if (e.what == "sound:Klad") {
            EXPECT_EQ(e.thread, gameThread.load()) << "sound requests do not wait for the screen";
        } else {
            EXPECT_EQ(e.thread, uiThread()) << e.what;
        }
    }
}

TEST(UiGameHost, TheSceneIsHandedOverWithoutWaitingAndDoneBeforeTheNextTick) {
    GameState state;
    RecordingHost ui;
    UiGameHost host(ui);
    std::atomic<int> ticks{0};
    std::atomic<bool> handedOver{false};
    std::atomic<int> scenesAtSecondTick{-1};
    QPointer<TManControl> thread = new TManControl(
        state, host,
        [&](GameState& s, GameHost& h) {
            if (++ticks == 1) {
                h.drawScene(s);
                handedOver = true;
            } else {
                scenesAtSecondTick = ui.count("drawScene");
                h.drawScene(s);
                s.Command = Command::Exit;
            }
        },
        std::make_unique<SteadyGameClock>());
    // This thread serves no events yet: a scene that waited for the screen
    // would never return.
    QElapsedTimer waited;
    waited.start();
    while (!handedOver && waited.elapsed() < 3000) std::this_thread::sleep_for(1ms);
    EXPECT_TRUE(handedOver);
    EXPECT_EQ(ui.count("drawScene"), 0);
    TManControl::waitForEnd(thread);
    EXPECT_EQ(scenesAtSecondTick, 1) << "the next tick began after the screen ran the scene";
    EXPECT_EQ(ui.count("drawScene"), 2) << "the last scene is served before the thread ends";
}

TEST(UiGameHost, ARequestFromTheUserInterfaceThreadRunsAtOnce) {
    GameState state;
    RecordingHost ui;
    UiGameHost host(ui);
    // No event loop runs here: a queued hand-over would never return.
    host.drawScene(state);
    host.burnBrick(state, 0, 0);
    host.drawRegrowthFrame(state, 0, 0, 1);
    EXPECT_EQ(ui.count("drawScene"), 1);
    EXPECT_EQ(ui.count("burnBrick"), 1);
    EXPECT_EQ(ui.count("drawRegrowthFrame"), 1);
}

// The game screen shown in a game folder of its own, with a blank arena
// and the man alone at (300, 100).
class ScreenArena : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        forms_ = std::make_unique<test::FormsHarness>();
        forms_->ctx.pictures.ArenaBitmap = Bitmap(640, 440);
        forms_->main->Arena->setCanvasSize(640, 440);
        // As when a level starts: the painter knows the arena from here on.
        forms_->main->painter().drawStaticArena(state());
        forms_->main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(forms_->main));
        QTest::qWait(50);
        state().ManX = 300;
        state().ManY = 100;
        state().ShetsCount = 0;
    }
    void TearDown() override {
        forms_.reset();
        QDir::setCurrent(saved_);
    }
    GameState& state() { return forms_->ctx.state; }
    GameHost& screenHost() { return forms_->main->screenHost(); }
    // What the arena repainted while `step` ran (and the paints it caused).
    template <typename Step>
    QRegion paintedBy(Step step) {
        QRegion painted;
        const auto log = QObject::connect(forms_->main->Arena, &ImageView::painted,
                                          [&](const QRegion& region) { painted += region; });
        step();
        QTest::qWait(50);
        QObject::disconnect(log);
        return painted;
    }

private:
    QTemporaryDir dir_;
    QString saved_;
    std::unique_ptr<test::FormsHarness> forms_;
};

TEST_F(ScreenArena, RepaintsOnlyWhatWasDrawn) {
    state().RedrawX = 100;
    state().RedrawY = 200;
    // Through the game thread's hand-over, as in play.
    UiGameHost host(screenHost());
    const QRegion painted = paintedBy([&] {
        host.restoreAround(state());
        host.burnBrick(state(), 10, 20);
        host.drawScene(state());
    });
    EXPECT_TRUE(painted.contains(QRect(92, 192, 36, 36)));
    EXPECT_TRUE(painted.contains(QRect(400, 200, 20, 20)));
    EXPECT_TRUE(painted.contains(QRect(292, 92, 36, 36)));
    EXPECT_FALSE(painted.contains(QRect(600, 400, 20, 20)));  // only what changed
}

TEST_F(ScreenArena, AFigureIsRepaintedOnlyWhereItWasAndIs) {
    screenHost().drawScene(state());
    state().ManX = 304;
    const QRegion moved = paintedBy([&] { screenHost().drawScene(state()); });
    EXPECT_EQ(moved.boundingRect(), QRect(300, 100, 24, 20));
    state().ManFrame = 3;  // a new picture in the same place
    EXPECT_EQ(paintedBy([&] { screenHost().drawScene(state()); }).boundingRect(), QRect(304, 100, 20, 20));
}

TEST_F(ScreenArena, AnAnimatedCellIsRepaintedWhenItsFrameChanges) {
    state().setCellState(20, 5, kGlitterStates.first);  // a treasure far from the man
    const QRect cell(100, 400, 20, 20);
    const QRegion first = paintedBy([&] { screenHost().drawScene(state()); });
    const QRegion second = paintedBy([&] { screenHost().drawScene(state()); });  // same frame
    state().setCellState(20, 5, kGlitterStates.first + 1);
    const QRegion third = paintedBy([&] { screenHost().drawScene(state()); });
    EXPECT_TRUE(first.contains(cell));
    EXPECT_TRUE(first.contains(QRect(292, 92, 36, 36)));
    EXPECT_TRUE(second.isEmpty()) << "nothing moved, nothing to repaint";
    EXPECT_TRUE(third.contains(cell));
    EXPECT_FALSE(third.intersects(QRect(292, 92, 36, 36)));
}

TEST(UiGameHost, ExitIsSeenWhileTheThreadKeepsDrawing) {
    // The thread spends most of its time waiting for the screen; telling
    // it to end from the screen's thread must not deadlock.
    GameState state;
    RecordingHost ui;
    UiGameHost host(ui);
    std::atomic<int> ticks{0};
    QPointer<TManControl> thread = new TManControl(
        state, host,
        [&](GameState& s, GameHost& h) {
            ++ticks;
            for (int i = 0; i < 20; ++i) h.drawScene(s);
        },
        std::make_unique<SteadyGameClock>());
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks >= 2; }, 3000));
    TManControl::stop(thread, state);
    EXPECT_TRUE(thread.isNull());
    EXPECT_GE(ui.count("drawScene"), 20);
}

// With the real rules.

// A devil on the floor to the man's left, a hole growing back on the right.
const std::vector<std::string> kHuntMap = {
    "________________________________",
    "|..............................|",
    "|..D........M........$.......X.|",
    "|##############################|",
    "|.S..........................T.|",
    "________________________________",
};

TEST(GameThreadRules, PauseStandsStillAndAnyCommandGoesOn) {
    GameState state;
    SetUpLevelState(state, test::gameLevel(kHuntMap));
    state.setCell(3, 20, Empty);
    state.setCellState(3, 20, 5);  // a hole growing back
    RecordingHost ui;
    UiGameHost host(ui);
    state.Command = Command::Pause;
    QPointer<TManControl> thread = new TManControl(state, host);
    const int shetsX = state.ShetsX[0];
    QTest::qWait(300);
    KirpTick(state, host);  // what the brick timer does meanwhile
    EXPECT_EQ(state.ShetsX[0], shetsX);
    EXPECT_EQ(state.ManX, 12 * 20);
    EXPECT_EQ(state.cellState(3, 20), 5);
    EXPECT_EQ(ui.count("drawScene"), 0) << "nothing is drawn while paused";

    state.Command = Command::Right;
    thread->wake();
    ASSERT_TRUE(QTest::qWaitFor([&] { return state.ManX > 12 * 20 && state.ShetsX[0] != shetsX; }, 3000));
    // The tick's scene is handed over after the state moved on.
    EXPECT_TRUE(QTest::qWaitFor([&] { return ui.count("drawScene") > 0; }, 3000));
    TManControl::stop(thread, state);
    EXPECT_TRUE(thread.isNull());
}

TEST(GameThreadRules, GivingUpCostsALifeAndTheManStartsAgainAtHisDoor) {
    GameState state;
    SetUpLevelState(state, test::gameLevel(kHuntMap));
    RecordingHost ui;
    UiGameHost host(ui);
    state.Command = Command::UserKillsMan;
    std::atomic<std::thread::id> gameThread;
    QPointer<TManControl> thread = new TManControl(
        state, host,
        [&](GameState& s, GameHost& h) {
            gameThread = std::this_thread::get_id();
            RunTick(s, h);  // as the game plays
        },
        std::make_unique<SteadyGameClock>());
    ASSERT_TRUE(QTest::qWaitFor([&] { return state.Lives == 2; }, 3000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return ui.count("livesLabelUpdate") == 1; }, 3000));
    EXPECT_EQ(state.Command, Command::Stop);
    EXPECT_EQ(state.ManX, state.ManStartX);
    EXPECT_EQ(state.ManY, state.ManStartY);
    EXPECT_EQ(state.GameResult, GameResult::Normal);
    bool sound = false;
    for (const auto& e : ui.entries()) {
        if (e.what == "sound:OutOfScreen") sound = e.thread == gameThread;
        if (e.what == "livesLabelUpdate") {
            EXPECT_EQ(e.thread, uiThread());
        }
    }
    EXPECT_TRUE(sound);
    TManControl::stop(thread, state);
}

TEST(GameThreadRules, TheLastLifeLostEndsTheThreadWithGameOver) {
    GameState state;
    SetUpLevelState(state, test::gameLevel(kHuntMap));
    RecordingHost ui;
    UiGameHost host(ui);
    state.Lives = 0;
    state.Command = Command::UserKillsMan;
    QPointer<TManControl> thread = new TManControl(state, host);
    ASSERT_TRUE(waitUntilGone(thread));
    EXPECT_EQ(state.Command, Command::Exit);
    EXPECT_EQ(state.GameResult, GameResult::ManKilled);
    EXPECT_EQ(ui.count("sound:GameOver"), 1);
}

}  // namespace
}  // namespace tamb
