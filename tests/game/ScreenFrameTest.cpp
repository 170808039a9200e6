// The game screen repaints only the parts of the arena a tick changed. These
// tests play real levels tick by tick on the game screen and, after every
// tick, compare what reached the window with the arena bitmap the game drew:
// a part left out of a repaint shows up as stale pixels.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <cstdlib>
#include <memory>
#include <random>

#include "FormsHarness.h"
#include "ImageView.h"
#include "Rules.h"
#include "TManControl.h"
#include "TestLevels.h"

namespace tamb {
namespace {

// Man on the left above a floor with treasure; a ladder up to a rope; two
// devils; water and stakes below (animated cells and deadly ones).
const std::vector<std::string> kPlayground = {
    "________________________________",
    "|..............................|",
    "|......$.........H--------.$...|",
    "|.S..M....$...$..H......D.....T|",
    "|################H#############|",
    "|................H.............|",
    "|....D.....$.....H.......$.....|",
    "|%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%|",
    "|~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~|",
    "|^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^|",
    "|%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%|",
};

class ScreenFrames : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        const QString folder = dir_.path();
        QDir(folder).mkpath(QStringLiteral("graphics"));
#ifdef TAMB_GAMEDATA_DIR
        for (const char* picture : {"sprites.bmp", "Password Scene Pic.bmp"}) {
            const QString name = QStringLiteral("/graphics/") + QLatin1String(picture);
            ASSERT_TRUE(QFile::copy(QStringLiteral(TAMB_GAMEDATA_DIR) + name, folder + name));
        }
#else
        GTEST_SKIP() << "needs the built sprite sheet";
#endif
        saved_ = QDir::currentPath();
        QDir::setCurrent(folder);
    }
    void TearDown() override {
        forms_.reset();
        if (!saved_.isEmpty()) QDir::setCurrent(saved_);
    }

    // Sets the level up on a shown game screen, as the preparation does.
    void start(const std::vector<std::string>& map) {
        test::writeLevelFile(dir_.path(), 1, map);
        forms_ = std::make_unique<test::FormsHarness>();
        form().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form()));
        form().setUpScreen();
        state().LevelNumber = 1;
        form().SetLevel();
        // The test plays the ticks itself, on this thread.
        TManControl::stop(form().ManThread, state());
        form().Kirp->stop();
        form().AnimationTimer->stop();
        state().Command = Command::Stop;
        ASSERT_TRUE(forms_->errors.isEmpty()) << forms_->errors.join(QLatin1Char('\n')).toStdString();
        QCoreApplication::processEvents();
        ASSERT_TRUE(staleAt().empty()) << "the level as set up";
    }

    TMainForm& form() { return *forms_->main; }
    GameState& state() { return forms_->ctx.state; }

    // What the window shows where the arena is.
    QImage shownArena() {
        const QPoint at = form().Arena->mapTo(&form(), QPoint(0, 0));
        QWindow* window = form().windowHandle();
        return window->screen()
            ->grabWindow(form().winId(), at.x(), at.y(), kArenaWidth, kArenaHeight)
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    // Empty when the window shows the arena bitmap exactly, else where not.
    std::string staleAt() {
        QCoreApplication::processEvents();
        const QImage shown = shownArena();
        const QImage drawn = form().Arena->bitmap().image().convertToFormat(QImage::Format_RGB32);
        if (shown.size() != QSize(kArenaWidth, kArenaHeight)) return "the window could not be read";
        for (int y = 0; y < kArenaHeight; ++y) {
            const auto* a = reinterpret_cast<const QRgb*>(shown.constScanLine(y));
            const auto* b = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
            for (int x = 0; x < kArenaWidth; ++x) {
                if (a[x] != b[x]) return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ")";
            }
        }
        return {};
    }

    // Plays `ticks` game ticks with the command `command(tick)`, the brick
    // timer every tenth tick and the animation timer every third, checking
    // the window after each; stops early when the game ends.
    void play(int ticks, const std::function<Command(int)>& command) {
        GameHost& host = form().screenHost();
        for (int t = 0; t < ticks && state().GameResult == GameResult::Normal; ++t, ++played_) {
            state().Command = command(t);
            if (played_ % 10 == 0) KirpTick(state(), host);
            if (played_ % 3 == 0) AnimationTick(state());
            RunTick(state(), host);
            const std::string stale = staleAt();
            ASSERT_TRUE(stale.empty()) << "after tick " << played_ << ": " << stale;
        }
    }

    int played() const { return played_; }

private:
    QTemporaryDir dir_;
    QString saved_;
    std::unique_ptr<test::FormsHarness> forms_;
    int played_ = 0;
};

bool anyHole(const GameState& s) {
    for (int i = 0; i < kRows * kCols; ++i) {
        if (isHoleState(s.CellStates[i])) return true;
    }
    return false;
}

TEST_F(ScreenFrames, TheWindowFollowsTheArenaWhileTheManRunsBurnsAndTakesTreasure) {
    ASSERT_NO_FATAL_FAILURE(start(kPlayground));
    const int klads = state().KladsLeft;
    // Stand while the devils come, run right over the treasure, burn a hole
    // behind, run left, burn again.
    play(15, [](int) { return Command::Stop; });
    play(60, [](int) { return Command::Right; });
    play(3, [](int) { return Command::Fire; });
    play(40, [](int t) { return t < 20 ? Command::Left : Command::Stop; });
    play(3, [](int) { return Command::Fire; });
    play(60, [](int t) { return t % 20 < 10 ? Command::Right : Command::Up; });
    EXPECT_LT(state().KladsLeft, klads) << "a treasure was taken on the way";
}

TEST_F(ScreenFrames, TheWindowFollowsTheArenaWhenTheManIsCaught) {
    // Walk into the devils until one catches him; the picture must not keep
    // a figure where none stands any more.
    ASSERT_NO_FATAL_FAILURE(start(kPlayground));
    const int lives = state().Lives;
    play(400, [](int t) { return t % 60 < 30 ? Command::Right : Command::Left; });
    EXPECT_NE(state().GameResult, GameResult::Normal) << "the devils caught the man";
    EXPECT_LE(state().Lives, lives);
    // The scenes after the end, as the game thread's last passes draw them.
    for (int i = 0; i < 3; ++i) {
        form().screenHost().drawScene(state());
        const std::string stale = staleAt();
        ASSERT_TRUE(stale.empty()) << "after the end: " << stale;
    }
}

TEST_F(ScreenFrames, AHoleRegrowingUnderAStandingManIsShown) {
    // The man burns a hole and stands beside it while the brick grows back:
    // only the brick timer draws there, the scene has nothing new to show.
    ASSERT_NO_FATAL_FAILURE(start({
        "________________________________",
        "|..............................|",
        "|......M....................S..|",
        "|##############################|",
    }));
    play(6, [](int) { return Command::Right; });
    play(2, [](int) { return Command::Fire; });
    ASSERT_TRUE(anyHole(state()));
    play(200, [](int) { return Command::Stop; });
    EXPECT_FALSE(anyHole(state())) << "the hole has grown back";
}

TEST_F(ScreenFrames, ADevilBuriedInAHoleGoesBackToItsDoorOnScreen) {
    ASSERT_NO_FATAL_FAILURE(start({
        "________________________________",
        "|..............................|",
        "|.T...D.............M.........S|",
        "|##############################|",
        "|%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%|",
    }));
    // Face left, burn the floor in the devil's way and wait for the brick.
    play(1, [](int) { return Command::Left; });
    play(1, [](int) { return Command::Fire; });
    bool jumped = false;
    int lastX = state().ShetsX[0];
    for (int t = 0; t < 400 && !jumped && state().GameResult == GameResult::Normal; ++t) {
        play(1, [](int) { return Command::Stop; });
        if (HasFatalFailure()) return;
        jumped = std::abs(state().ShetsX[0] - lastX) > 8;
        lastX = state().ShetsX[0];
    }
    EXPECT_TRUE(jumped) << "the devil died in the hole and came back at its door";
}

TEST_F(ScreenFrames, TheWindowFollowsTheArenaThroughRandomPlay) {
    // Long runs of random commands reach what the scripted games may miss:
    // devils in holes, bricks growing over them, falls onto the stakes.
    // Each game that ends begins again, as the level does after a death.
    for (const unsigned seed : {7u, 1234u, 99991u}) {
        std::mt19937 random(seed);
        const Command commands[] = {Command::Left, Command::Right, Command::Up, Command::Down, Command::Fire,
                                    Command::Stop};
        Command command = Command::Stop;
        for (int ticks = 0; ticks < 800;) {
            ASSERT_NO_FATAL_FAILURE(start(kPlayground));
            const int before = played();
            play(800 - ticks, [&](int) {
                if (random() % 6 == 0) command = commands[random() % 6];
                return command;
            });
            if (HasFatalFailure()) return;
            ticks += played() - before;
        }
    }

}

}  // namespace
}  // namespace tamb
