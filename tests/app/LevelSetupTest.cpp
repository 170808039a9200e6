#include <QWindow>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QTest>
#include <QTimer>

#include "FormsHarness.h"
#include "TestGameFolder.h"
#include "ImageView.h"
#include "SpriteLayout.h"
#include "TVictoryForm.h"
#include "TextLines.h"

namespace tamb {
namespace {

using test::LevelSpec;

bool identical(const Bitmap& a, const Bitmap& b) { return a.image() == b.image(); }

class LevelSetupTest : public test::FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        writeGameFolder();
        test::writeLevel(dir.path(), 1, test::simpleLevel());
        createForms();
        mainForm->setUpScreen();
    }
    void TearDown() override {
        mainForm->Kirp->stop();
        mainForm->AnimationTimer->stop();
        FormsTest::TearDown();
    }

    // Hides the menu as soon as it is shown, leaving MenuChoice as it is.
    void closeMenuWhenShown() {
        auto* timer = new QTimer(menuForm);
        QObject::connect(timer, &QTimer::timeout, menuForm, [this, timer] {
            if (!menuForm->isVisible()) return;
            ++menuShowings;
            menuForm->hide();
            timer->deleteLater();
        });
        timer->start(10);
    }

    int menuShowings = 0;
};

TEST_F(LevelSetupTest, ThePreparationScreenSetsUpTheLevelAfterASecond) {
    QElapsedTimer clock;
    clock.start();
    QTimer::singleShot(300, prepareForm, [this] {
        EXPECT_EQ(prepareForm->PrepareProgress->value(), 0);
        EXPECT_TRUE(mainForm->KladsLabel->isHidden());
        EXPECT_TRUE(mainForm->ManThread.isNull());
    });
    forms->flow->showPreparation();
    EXPECT_GE(clock.elapsed(), 950);
    EXPECT_FALSE(prepareForm->isVisible());
    EXPECT_EQ(prepareForm->PrepareProgress->value(), 650) << "the bar is full and stops at its end";
    EXPECT_FALSE(mainForm->ManThread.isNull()) << "the game thread runs";
    EXPECT_TRUE(mainForm->Kirp->isActive());
    EXPECT_TRUE(mainForm->AnimationTimer->isActive());
    EXPECT_FALSE(mainForm->KladsLabel->isHidden());
    EXPECT_FALSE(mainForm->LivesLabel->isHidden());
    EXPECT_EQ(mainForm->KladsLabel->text(), QStringLiteral("кладов: 1"));
    EXPECT_EQ(mainForm->LivesLabel->text(), QStringLiteral("Жизней: 3"));
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

// The preparation screen is left only by its level: Esc and the window
// system do not close it, and no level starts behind the menu or the editor.
TEST_F(LevelSetupTest, NoWayAroundThePreparationScreen) {
    bool stayed = false;
    QTimer::singleShot(200, prepareForm, [&] {
        QTest::keyClick(prepareForm, Qt::Key_Escape);
        prepareForm->close();  // as a window manager's close button does
        stayed = prepareForm->isVisible();
    });
    forms->flow->showPreparation();
    EXPECT_TRUE(stayed);
    ASSERT_FALSE(mainForm->ManThread.isNull()) << "the level starts as usual after Esc";
    mainForm->stopGame();

    for (QWidget* over : {static_cast<QWidget*>(menuForm), static_cast<QWidget*>(editorForm)}) {
        prepareForm->show();
        over->show();
        emit prepareForm->levelDue();
        EXPECT_TRUE(mainForm->ManThread.isNull()) << over->metaObject()->className();
        over->hide();
        prepareForm->hide();
        EXPECT_FALSE(prepareForm->PrepareTimer->isActive()) << "a hidden box asks for no level";
    }
}

// Without its pictures no level starts: New Game answers with the error.
TEST_F(LevelSetupTest, NewGameWithoutAUsableSpriteSheetAnswersWithTheError) {
    const QString sheet = dir.filePath(QStringLiteral("graphics/sprites.bmp"));
    for (const QSize size : {QSize(10, 10), QSize()}) {
        if (size.isValid()) {
            ASSERT_TRUE(Bitmap(size.width(), size.height()).image().save(sheet, "BMP"));
        } else {  // the real sheet cut short
            test::writeGraphics(dir.path());
            QFile f(sheet);
            ASSERT_TRUE(f.open(QIODevice::ReadWrite));
            ASSERT_TRUE(f.resize(f.size() / 2));
        }
        ctx().pictures.SpriteSheet = Bitmap();
        errors.clear();
        closeMenuWhenShown();
        forms->flow->showPreparation();
        EXPECT_FALSE(prepareForm->isVisible());
        EXPECT_TRUE(mainForm->ManThread.isNull());
        ASSERT_EQ(errors.size(), 1) << errors.join('\n').toStdString();
        EXPECT_TRUE(errors[0].contains(QStringLiteral("sprites.bmp"))) << errors[0].toStdString();
    }
}

// The preparation screen says how the game before ended and which level
// comes, with its password.
TEST_F(LevelSetupTest, ThePreparationScreenSaysWhatComes) {
    test::writeLevel(dir.path(), 2, test::simpleLevel());
    forms->root->victory().setShowTime(1);  // the victory screen has its own test
    const struct {
        const char* name;
        GameResult before;  // Normal: a new game from the menu
        int levelNumber;
        QString outcome;
        QString level;
    } cases[] = {
        {"new game", GameResult::Normal, 1, "", "Уровень 1 \u2022 пароль: ryba"},
        {"level passed", GameResult::LevelPassed, 2, "Уровень пройден!", "Уровень 2 \u2022 пароль: 7"},
        {"last life lost", GameResult::ManKilled, 2, "Игра окончена", "Уровень 2 \u2022 пароль: 7"},
        {"last level passed", GameResult::LevelPassed, 3, "Все уровни пройдены!", "Уровень 1 \u2022 пароль: ryba"},
    };
    for (const auto& c : cases) {
        ctx().state.LevelNumber = c.levelNumber;
        ctx().state.GameResult = c.before;
        QString outcome, level;
        QTimer::singleShot(200, prepareForm, [&] {
            outcome = prepareForm->OutcomeLabel->text();
            level = prepareForm->LevelLabel->text();
            prepareForm->grab().save(test::screenshotPath(QStringLiteral("prepare-%1.png").arg(c.levelNumber)));
        });
        if (c.before == GameResult::Normal)
            forms->flow->showPreparation();
        else
            forms->flow->gameEnded();
        EXPECT_EQ(outcome, c.outcome) << c.name;
        EXPECT_EQ(level, c.level) << c.name;
        mainForm->stopGame();
    }
}

TEST_F(LevelSetupTest, ArenaAndArenaBitmapAgreeAndTheExitDoorIsInNeither) {
    ctx().state.LevelNumber = 1;
    mainForm->SetLevel();
    EXPECT_TRUE(identical(mainForm->Arena->bitmap(), ctx().pictures.ArenaBitmap));
    // The exit door's cell (28, 19) is empty and stays black.
    for (int y = 380; y < 400; ++y)
        for (int x = 560; x < 580; ++x) ASSERT_EQ(ctx().pictures.ArenaBitmap.pixel(x, y), 0xff000000u);
    EXPECT_EQ(ctx().pictures.ArenaBitmap.pixel(210, 390), test::tileColour(Klad) | 0xff000000u);
    // What the player sees: the arena on the screen is the picture.
    const QImage shown = mainForm->Arena->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixel(210, 390), test::tileColour(Klad) | 0xff000000u);
}

TEST_F(LevelSetupTest, CountersComeFromTheFileEveryTime) {
    LevelSpec level = test::simpleLevel();
    level.set(5, 5, Klad);
    level.set(6, 6, Klad);
    level.shetsLine = QStringLiteral("050506061");  // nine characters: two devils
    test::writeLevel(dir.path(), 3, level);
    ctx().state.LevelNumber = 3;
    ctx().state.Lives = 0;
    ctx().state.KladsLeft = 99;
    mainForm->SetLevel();
    EXPECT_EQ(ctx().state.LevelNumber, 3);
    EXPECT_EQ(ctx().state.KladsLeft, 3);
    EXPECT_EQ(ctx().state.Lives, 3);
    EXPECT_EQ(ctx().state.ShetsCount, 2);
    EXPECT_EQ(ctx().state.ShetsX[1], 120);
    EXPECT_EQ(mainForm->KladsLabel->text(), QStringLiteral("кладов: 3"));
    EXPECT_EQ(dataForm->LevelData, level.lines());

    ctx().state.Lives = 1;
    QPointer<TManControl> first = mainForm->ManThread;
    mainForm->SetLevel();
    EXPECT_EQ(ctx().state.Lives, 3);
    EXPECT_EQ(mainForm->LivesLabel->text(), QStringLiteral("Жизней: 3"));
    ASSERT_FALSE(mainForm->ManThread.isNull());
    EXPECT_NE(mainForm->ManThread.data(), first.data());
    EXPECT_TRUE(first.isNull() || first->isFinished()) << "the thread before has ended";
}

TEST_F(LevelSetupTest, ALevelWithoutTreasuresStartsAtZero) {
    LevelSpec level = test::simpleLevel();
    level.set(19, 10, Empty);
    test::writeLevel(dir.path(), 2, level);
    ctx().state.LevelNumber = 2;
    mainForm->SetLevel();
    EXPECT_EQ(ctx().state.KladsLeft, 0);
    EXPECT_EQ(mainForm->KladsLabel->text(), QStringLiteral("кладов: 0"));
}

TEST_F(LevelSetupTest, AMissingLevelNumberFallsBackToLevelOne) {
    ctx().state.LevelNumber = 17;
    mainForm->SetLevel();
    EXPECT_EQ(ctx().state.LevelNumber, 1);
    EXPECT_EQ(dataForm->LevelData, test::simpleLevel().lines());
    EXPECT_FALSE(mainForm->ManThread.isNull());
}

TEST_F(LevelSetupTest, AMissingLevelOneIsReportedAndLeadsBackToTheMenu) {
    QFile::remove(dir.path() + "/levels/level1");
    ctx().state.LevelNumber = 4;
    closeMenuWhenShown();
    forms->flow->showPreparation();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("levels/level1")) << errors[0].toStdString();
    EXPECT_TRUE(mainForm->ManThread.isNull());
    EXPECT_FALSE(prepareForm->isVisible());
    EXPECT_EQ(menuShowings, 1);
    EXPECT_FALSE(mainForm->Kirp->isActive());
    EXPECT_FALSE(mainForm->AnimationTimer->isActive());
}

TEST_F(LevelSetupTest, ABadFieldNamesTheFileAndStartsNothing) {
    QStringList lines = test::simpleLevel().lines();
    lines[24] = QStringLiteral("0x02");
    TextLines::write(dir.path() + "/levels/level5", lines);
    ctx().state.LevelNumber = 5;
    mainForm->SetLevel();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("levels/level5")) << errors[0].toStdString();
    EXPECT_TRUE(errors[0].contains("line 25")) << errors[0].toStdString();
    EXPECT_TRUE(mainForm->ManThread.isNull());
    EXPECT_FALSE(mainForm->Kirp->isActive());
}

TEST_F(LevelSetupTest, TheBrickTimerDrawsRegrowthAndTheAnimationTimerBeginsTheNextLevel) {
    mainForm->SetLevel();
    mainForm->Kirp->stop();
    ctx().state.setCell(20, 7, Empty);
    ctx().state.setCellState(20, 7, kHoleStates.last);
    mainForm->KirpTimer();
    EXPECT_EQ(ctx().pictures.ArenaBitmap.pixel(150, 405), test::tileColour(Kirp) | 0xff000000u);
    EXPECT_EQ(ctx().state.cell(20, 7), Kirp);
    EXPECT_EQ(ctx().state.cellState(20, 7), kNoCellState);

    ctx().state.setCellState(19, 10, kGlitterStates.last);
    mainForm->AnimationTimerTimer();
    EXPECT_EQ(ctx().state.cellState(19, 10), kGlitterStates.first);

    LevelSpec second = test::simpleLevel();
    second.set(10, 10, SuperKirp);
    test::writeLevel(dir.path(), 2, second);
    ctx().state.LevelNumber = 2;
    // The game thread ends the level as it does when the man is on the door.
    QPointer<TManControl> first = mainForm->ManThread;
    ctx().state.Command = Command::Exit;
    ctx().state.GameResult = GameResult::LevelPassed;
    mainForm->AnimationTimerTimer();  // returns once the next level runs
    ASSERT_FALSE(mainForm->ManThread.isNull());
    EXPECT_NE(mainForm->ManThread.data(), first.data());
    EXPECT_EQ(ctx().state.GameResult, GameResult::Normal);
    EXPECT_TRUE(mainForm->AnimationTimer->isActive());
    EXPECT_EQ(ctx().pictures.ArenaBitmap.pixel(210, 210), test::tileColour(SuperKirp) | 0xff000000u);
}

TEST_F(LevelSetupTest, TheScreenHostDrawsTheGamesRequests) {
    mainForm->SetLevel();
    GameHost& host = mainForm->screenHost();
    ctx().state.KladsLeft = 0;
    host.takeKlad(ctx().state, 19, 10);
    EXPECT_EQ(mainForm->KladsLabel->text(), QStringLiteral("кладов: 0"));
    EXPECT_EQ(ctx().pictures.ArenaBitmap.pixel(205, 385), test::kBlankColour);
    ctx().state.Lives = 2;
    host.livesLabelUpdate(ctx().state);
    EXPECT_EQ(mainForm->LivesLabel->text(), QStringLiteral("Жизней: 2"));
    ctx().state.ManX = 200;
    ctx().state.ManY = 300;
    ctx().state.ManFrame = 1;
    ctx().state.ManSpriteRow = kManStandStrip;
    host.drawScene(ctx().state);
    EXPECT_EQ(mainForm->Arena->bitmap().pixel(210, 310), test::kFigureColour);
    ctx().state.RedrawX = 200;
    ctx().state.RedrawY = 300;
    host.restoreAround(ctx().state);
    EXPECT_EQ(mainForm->Arena->bitmap().pixel(210, 310), 0xff000000u);
}

}  // namespace
}  // namespace tamb
