// Whole games on the game screen: the program's road from the menu into a
// level, played with keys, to the next level, round to the first and back
// after a lost game.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "Bitmap.h"
#include "FormsHarness.h"
#include "TestLevels.h"
#include "TextLines.h"

namespace tamb {
namespace {

using test::MenuCloser;

// A corridor: the man walks right, takes the treasure, the exit door
// appears in front of him and he walks onto it.
std::vector<std::string> corridor(char marker) {
    return {
        "________________________________",
        "|..........................S...|",
        "|.M..$..X...................T..|",
        std::string("|#############################") + marker + "|",
        "________________________________",
    };
}

class WholeGame : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const QString folder = dir.path();
        QDir(folder).mkpath(QStringLiteral("graphics"));
        copyOrMake(QStringLiteral("graphics/sprites.bmp"), 400, 440);
        copyOrMake(QStringLiteral("graphics/Password Scene Pic.bmp"), 642, 40);
        QDir(folder).mkpath(QStringLiteral("Sound"));
        for (const char* sound : {"mwpunch", "spike", "password", "OutOfScreen", "DoorAppears", "Pause",
                                  "LevelPassed", "MainMenuClick", "Klad2", "Fire2", "Goodmrng", "Laugh2",
                                  "MwBimbo", "Scream"}) {
            copyIfBuilt(QStringLiteral("Sound/%1.wav").arg(QLatin1String(sound)));
        }
        // Speed 100, no sound.
        TextLines::write(folder + QStringLiteral("/tamb.cfg"),
                         {"1", "100", "0", "", "", "", "", "", "", "", ""});
        test::writeLevelFile(folder, 1, corridor('#'));
        test::writeLevelFile(folder, 2, corridor('%'));
        QDir::setCurrent(folder);
        forms = std::make_unique<test::FormsHarness>();
        form = forms->main;
    }
    void TearDown() override { forms.reset(); }

    bool copyIfBuilt([[maybe_unused]] const QString& name) {
#ifdef TAMB_GAMEDATA_DIR
        return QFile::copy(QStringLiteral(TAMB_GAMEDATA_DIR "/") + name, dir.path() + QLatin1Char('/') + name);
#else
        return false;
#endif
    }
    // The built game's picture when there is one, else a plain stand-in.
    void copyOrMake(const QString& name, int width, int height) {
        if (copyIfBuilt(name)) return;
        const QString target = dir.path() + QLatin1Char('/') + name;
        Bitmap stand(width, height);
        stand.fill(qRgb(90, 90, 90));
        ASSERT_TRUE(stand.image().save(target, "BMP"));
    }

    GameState& state() { return forms->ctx.state; }
    // True once a level has been set up from this file and its thread runs.
    bool playing(int level, const char marker) {
        const auto lines = test::levelLines(corridor(marker));
        return form->ManThread && state().GameResult == GameResult::Normal && state().LevelNumber == level &&
               forms->data->LevelData.value(3) == QString::fromStdString(lines[3]) && state().Lives == 3;
    }
    // Starts the program's road: the menu is left with New Game.
    void startGame() {
        closer.arm();
        forms->root->start();
        ASSERT_TRUE(QTest::qWaitFor([&] { return playing(1, '#'); }, 10000))
            << "menu shown " << closer.shown << " times; reported: " << forms->errors.join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(closer.shown, 1);
    }

    QTemporaryDir dir;
    std::unique_ptr<test::FormsHarness> forms;
    TMainForm* form = nullptr;
    MenuCloser closer{nullptr, [this] {
                          forms->ctx.MenuChoice = QStringLiteral("New Game");
                          state().LevelNumber = 1;
                      }};
};

TEST_F(WholeGame, PassedLevelsLeadToTheNextFileAndTheLastBackToTheFirst) {
    closer.menu = forms->menu;
    startGame();
    const QPointer<TManControl> first = form->ManThread;

    QTest::keyPress(form, Qt::Key_Right);
    ASSERT_TRUE(QTest::qWaitFor([&] { return playing(2, '%'); }, 15000));
    EXPECT_TRUE(first.isNull()) << "the first level's thread is gone";
    EXPECT_EQ(state().KladsLeft, 1);
    EXPECT_EQ(state().cell(3, 30), SuperKirp);
    QTest::keyRelease(form, Qt::Key_Right);

    // Level 2 is the last file: passing it starts level 1 again.
    QTest::keyPress(form, Qt::Key_Right);
    ASSERT_TRUE(QTest::qWaitFor([&] { return playing(1, '#'); }, 15000));
    EXPECT_EQ(state().cell(3, 30), Kirp);
    QTest::keyRelease(form, Qt::Key_Right);
}

TEST_F(WholeGame, ALostGameStartsTheLevelAgain) {
    closer.menu = forms->menu;
    startGame();
    // Walk a little, then give up every life.
    QTest::keyPress(form, Qt::Key_Right);
    ASSERT_TRUE(QTest::qWaitFor([&] { return state().ManX >= 3 * 20; }, 5000));
    QTest::keyRelease(form, Qt::Key_Right);
    const QPointer<TManControl> first = form->ManThread;
    for (int lives = 2; lives >= 0; --lives) {
        QTest::keyClick(form, Qt::Key_Escape);
        ASSERT_TRUE(QTest::qWaitFor([&] { return state().Lives == lives; }, 5000)) << lives;
        EXPECT_EQ(state().ManX, state().ManStartX);
    }
    QTest::keyClick(form, Qt::Key_Escape);  // the last life
    ASSERT_TRUE(QTest::qWaitFor([&] { return first.isNull() && playing(1, '#'); }, 10000));
    EXPECT_EQ(state().ManX, 2 * 20) << "the level begins from its start";
    EXPECT_EQ(state().KladsLeft, 1);
}

TEST_F(WholeGame, SpaceLeavesForTheMenuAndNewGameGoesOn) {
    closer.menu = forms->menu;
    startGame();
    const QPointer<TManControl> first = form->ManThread;
    bool threadGoneAtMenu = false;
    closer.onShown = [&] { threadGoneAtMenu = first.isNull() && form->ManThread.isNull(); };
    closer.arm();
    QTest::keyClick(form, Qt::Key_Space);
    // The menu left with "New Game" still chosen sets the level up again.
    ASSERT_TRUE(QTest::qWaitFor([&] { return playing(1, '#'); }, 10000));
    EXPECT_EQ(closer.shown, 2);
    EXPECT_TRUE(threadGoneAtMenu);
    EXPECT_TRUE(first.isNull());
}

}  // namespace
}  // namespace tamb
