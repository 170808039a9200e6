// The game screen's keys, pressed with QTest.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <atomic>

#include "FormsHarness.h"
#include "GameKeyboard.h"
#include "ImageView.h"
#include "Rules.h"
#include "TManControl.h"
#include "TestLevels.h"
#include "UiGameHost.h"

namespace tamb {
namespace {

using test::MenuCloser;

class GameKeys : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QDir::setCurrent(dir.path());
        test::writeLevelFile(dir.path(), 1, {});
        forms = std::make_unique<test::FormsHarness>();
        form = forms->main;
        // Not shown: showing the game screen starts the program's road
        // (menu first); key events reach it all the same.
    }
    void TearDown() override { forms.reset(); }

    Command command() const { return forms->ctx.state.Command; }
    bool pauseShown() const { return form->PauseImage->isVisibleTo(form); }
    void press(Qt::Key key) { QTest::keyPress(form, key); }
    void release(Qt::Key key) { QTest::keyRelease(form, key); }
    void click(Qt::Key key) { QTest::keyClick(form, key); }

    QTemporaryDir dir;
    std::unique_ptr<test::FormsHarness> forms;
    TMainForm* form = nullptr;
};

TEST_F(GameKeys, ArrowsAndCtrlGiveTheirCommandsUntilReleased) {
    const std::pair<Qt::Key, Command> keys[] = {{Qt::Key_Right, Command::Right},
                                                {Qt::Key_Left, Command::Left},
                                                {Qt::Key_Up, Command::Up},
                                                {Qt::Key_Down, Command::Down},
                                                {Qt::Key_Control, Command::Fire}};
    for (const auto& [key, cmd] : keys) {
        press(key);
        EXPECT_EQ(command(), cmd) << int(cmd);
        release(key);
        EXPECT_EQ(command(), Command::Stop) << int(cmd);
    }
}

TEST_F(GameKeys, ReleasingAKeyWhoseCommandIsNoLongerCurrentChangesNothing) {
    press(Qt::Key_Right);
    press(Qt::Key_Control);
    EXPECT_EQ(command(), Command::Fire);
    release(Qt::Key_Right);
    EXPECT_EQ(command(), Command::Fire);
    release(Qt::Key_Control);
    EXPECT_EQ(command(), Command::Stop);

    // Ctrl released after an arrow was pressed leaves the arrow's command.
    press(Qt::Key_Control);
    press(Qt::Key_Left);
    release(Qt::Key_Control);
    EXPECT_EQ(command(), Command::Left);
    // Two arrows held: releasing the older one does not stop the man.
    press(Qt::Key_Up);
    release(Qt::Key_Left);
    EXPECT_EQ(command(), Command::Up);
}

TEST_F(GameKeys, OtherKeysStopTheMan) {
    press(Qt::Key_Right);
    click(Qt::Key_A);
    EXPECT_EQ(command(), Command::Stop);
    press(Qt::Key_Right);
    click(Qt::Key_Shift);
    EXPECT_EQ(command(), Command::Stop);
    // '(' must not pass for the Down arrow, whose code is its character's.
    click(Qt::Key_ParenLeft);
    EXPECT_EQ(command(), Command::Stop);
    press(Qt::Key_Escape);
    EXPECT_EQ(command(), Command::UserKillsMan);
    release(Qt::Key_Escape);
    EXPECT_EQ(command(), Command::UserKillsMan);
}

// F2 asks for the way through the level; like any key it stops the man.
TEST_F(GameKeys, F2AsksForTheRouteAndStopsTheMan) {
    int asked = 0;
    QObject::connect(form->Keyboard, &GameKeyboard::routeRequested, form, [&] { ++asked; });
    press(Qt::Key_Right);
    click(Qt::Key_F2);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(command(), Command::Stop);
    click(Qt::Key_F1);
    click(Qt::Key_F3);
    EXPECT_EQ(asked, 1) << "other function keys ask for nothing";
}

TEST_F(GameKeys, RepeatedPressesCountAndRepeatedReleasesDoNot) {
    press(Qt::Key_Right);
    // Some window systems send a release before each repeated press.
    QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(form, &repeatRelease);
    EXPECT_EQ(command(), Command::Right);
    forms->ctx.state.Command = Command::Stop;
    QKeyEvent repeatPress(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(form, &repeatPress);
    EXPECT_EQ(command(), Command::Right);
    release(Qt::Key_Right);
    EXPECT_EQ(command(), Command::Stop);
}

TEST_F(GameKeys, PauseTogglesWithItsPicture) {
    for (const auto key : {Qt::Key_Pause, Qt::Key_P}) {
        EXPECT_FALSE(pauseShown()) << key;
        click(key);
        EXPECT_EQ(command(), Command::Pause) << key;
        EXPECT_TRUE(pauseShown()) << key;
        EXPECT_EQ(form->PauseImage->geometry(), QRect(160, 112, 320, 69));
        click(key);
        EXPECT_EQ(command(), Command::Stop) << key;
        EXPECT_FALSE(pauseShown()) << key;
    }
}

TEST_F(GameKeys, AnyKeyEndsThePause) {
    click(Qt::Key_Pause);
    press(Qt::Key_Left);  // resumes and moves at once
    EXPECT_EQ(command(), Command::Left);
    EXPECT_FALSE(pauseShown());
    release(Qt::Key_Left);

    click(Qt::Key_Pause);
    click(Qt::Key_Escape);  // resumes and gives up a life
    EXPECT_EQ(command(), Command::UserKillsMan);
    EXPECT_FALSE(pauseShown());

    click(Qt::Key_Pause);
    click(Qt::Key_B);
    EXPECT_EQ(command(), Command::Stop);
    EXPECT_FALSE(pauseShown());
}

TEST_F(GameKeys, ArrowDuringPauseWakesTheThreadAtOnce) {
    std::atomic<int> ticks{0};
    auto& state = forms->ctx.state;
    // One-second slices while paused: a wake that did not come would be plain.
    state.GameDelay = 970 * 200000;
    state.Command = Command::Stop;
    click(Qt::Key_Pause);
    form->ManThread = new TManControl(state, *form->GameThreadHost, [&](GameState&, GameHost&) { ++ticks; },
                                      std::make_unique<SteadyGameClock>());
    // Past the first tick time, into the pause slices.
    QTest::qWait(1300);
    EXPECT_EQ(ticks, 0);
    QElapsedTimer timer;
    timer.start();
    press(Qt::Key_Right);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks > 0; }, 2000));
    EXPECT_LT(timer.elapsed(), 300);
    TManControl::stop(form->ManThread, state);
}

TEST_F(GameKeys, SpaceWithoutAGameShowsTheMenuAndNothingElse) {
    MenuCloser closer{forms->menu, {}};
    closer.arm();
    click(Qt::Key_Space);
    EXPECT_EQ(closer.shown, 1);
    EXPECT_EQ(command(), Command::Exit);
    EXPECT_TRUE(form->ManThread.isNull());
    EXPECT_FALSE(forms->prepare->isVisible());  // no game was ever chosen
}

TEST_F(GameKeys, SpaceEndsTheGameThreadWhileServingItsDrawingCalls) {
    auto& state = forms->ctx.state;
    state.Command = Command::Stop;
    form->AnimationTimer->start();
    std::atomic<int> ticks{0};
    // A thread that spends its ticks waiting for the screen.
    form->ManThread = new TManControl(
        state, *form->GameThreadHost,
        [&](GameState& s, GameHost& h) {
            ++ticks;
            for (int i = 0; i < 10; ++i) h.drawScene(s);
        },
        std::make_unique<SteadyGameClock>());
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks >= 2; }, 3000));
    bool threadGoneAtMenu = false;
    MenuCloser closer{forms->menu, [&] { threadGoneAtMenu = form->ManThread.isNull(); }};
    closer.arm();
    click(Qt::Key_Space);
    EXPECT_EQ(closer.shown, 1);
    EXPECT_TRUE(threadGoneAtMenu) << "the menu comes after the thread has ended";
    EXPECT_FALSE(form->AnimationTimer->isActive()) << "no level may begin under the menu";
    EXPECT_TRUE(form->ManThread.isNull());
    // A second Space finds no thread and does no harm either.
    closer.shown = 0;
    closer.arm();
    click(Qt::Key_Space);
    EXPECT_EQ(closer.shown, 1);
}

}  // namespace
}  // namespace tamb
