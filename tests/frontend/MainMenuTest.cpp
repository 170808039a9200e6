#include <QFile>
#include <QGuiApplication>
#include <QTest>
#include <QTimer>

#include "FrontendFixture.h"
#include "ImageView.h"
#include "ModalShow.h"
#include "SpeedButton.h"

namespace tamb::test {
namespace {

class MainMenuTest : public FrontendFixture {
protected:
    // Shows the menu the way the game screen does before the first showing.
    void showMenu() {
        menuForm->AllLightsOff();
        menuForm->LogoImage1->move(menuForm->LogoImage1->x(), 16);
        menuForm->LogoImage2->move(menuForm->LogoImage2->x(), 88);
        menuForm->AuthorImage->move(menuForm->AuthorImage->x(), 440);
        menuForm->show();
        menuForm->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(menuForm));
    }
    void runAnimation() {
        while (menuForm->EffectTimer->isActive()) menuForm->EffectTimerTimer();
    }
    QList<int> litLamps() const {
        QList<int> lit;
        for (int i = 1; i <= 10; ++i)
            if (!menuForm->Light[i]->isHidden()) lit << i;
        return lit;
    }
    void moveOver(QWidget* w, QPoint at = {}) {
        // Through the window, so the widget under the point gets the move.
        const QPoint local = at.isNull() ? w->rect().center() : at;
        QTest::mouseMove(menuForm->windowHandle(), w == menuForm ? local : w->mapTo(menuForm, local));
        QCoreApplication::processEvents();
    }
};

TEST_F(MainMenuTest, TitleAnimationRunsOncePerRun) {
    EXPECT_EQ(litLamps().size(), 10) << "lamps are on until the game screen turns them off";
    showMenu();
    ASSERT_TRUE(menuForm->EffectTimer->isActive());
    EXPECT_EQ(menuForm->EffectTimer->interval(), 400);
    EXPECT_TRUE(menuForm->NewGameButton->isHidden());
    QStringList expected;
    for (int step = 1; step <= 22; ++step) {
        ASSERT_TRUE(menuForm->EffectTimer->isActive()) << "step " << step;
        menuForm->EffectTimerTimer();
        if (step <= 10) {
            expected << "Printing";
            EXPECT_FALSE(menuForm->Image[step]->isHidden());
            if (step < 10) {
                EXPECT_TRUE(menuForm->Image[step + 1]->isHidden());
            }
        }
        if (step == 14 || step == 16) expected << "Showing";
        if (step == 17) expected << "Fanfars";
        EXPECT_EQ(sounds, expected) << "step " << step;
        EXPECT_EQ(menuForm->LogoImage1->isHidden(), step < 14);
        EXPECT_EQ(menuForm->LogoImage2->isHidden(), step < 16);
        EXPECT_EQ(menuForm->ExitButton->isHidden(), step < 17);
        EXPECT_EQ(menuForm->AuthorImage->isHidden(), step < 17);
        EXPECT_EQ(menuForm->ButtonsImage->isHidden(), step < 17);
        if (step >= 14) {
            EXPECT_TRUE(menuForm->Image[1]->isHidden());
        }
    }
    EXPECT_FALSE(menuForm->EffectTimer->isActive());
    EXPECT_EQ(menuForm->EffectStep, 22);

    menuForm->hide();
    sounds.clear();
    showMenu();
    EXPECT_FALSE(menuForm->EffectTimer->isActive()) << "the second showing plays no animation";
    EXPECT_FALSE(menuForm->NewGameButton->isHidden());
    EXPECT_TRUE(sounds.isEmpty());
}

TEST_F(MainMenuTest, AClickOrAKeySkipsTheTitleAnimation) {
    for (const bool byKey : {false, true}) {
        SCOPED_TRACE(byKey ? "key" : "click");
        recreateForms();
        showMenu();
        for (int step = 1; step <= 3; ++step) menuForm->EffectTimerTimer();
        if (byKey)
            QTest::keyClick(menuForm, Qt::Key_Space);
        else
            QTest::mouseClick(menuForm, Qt::LeftButton, {}, QPoint(600, 300));
        EXPECT_FALSE(menuForm->EffectTimer->isActive());
        EXPECT_EQ(menuForm->EffectStep, 22);
        for (QWidget* w : {static_cast<QWidget*>(menuForm->LogoImage1), static_cast<QWidget*>(menuForm->LogoImage2),
                           static_cast<QWidget*>(menuForm->NewGameButton), static_cast<QWidget*>(menuForm->ExitButton),
                           static_cast<QWidget*>(menuForm->ButtonsImage), static_cast<QWidget*>(menuForm->AuthorImage)})
            EXPECT_FALSE(w->isHidden()) << w->metaObject()->className();
        EXPECT_TRUE(menuForm->Image[1]->isHidden());
        EXPECT_EQ(sounds, QStringList(3, QStringLiteral("Printing"))) << "no sounds of the skipped steps";
        moveOver(menuForm, {20, 300});
        moveOver(menuForm->ExitButton);
        EXPECT_EQ(litLamps(), (QList<int>{9, 10})) << "the lamps work at once";
        menuForm->hide();
    }
}

TEST_F(MainMenuTest, TitleAnimationStopsByItselfOnTheRealTimer) {
    showMenu();
    menuForm->EffectTimer->setInterval(1);
    QTRY_VERIFY_WITH_TIMEOUT(!menuForm->EffectTimer->isActive(), 3000);
    EXPECT_EQ(menuForm->EffectStep, 22);
    EXPECT_EQ(sounds.count(QStringLiteral("Printing")), 10);
    EXPECT_FALSE(menuForm->AuthorImage->isHidden());
}

TEST_F(MainMenuTest, LampsFollowTheMouse) {
    showMenu();
    runAnimation();
    EXPECT_TRUE(litLamps().isEmpty());
    moveOver(menuForm->NewGameButton);
    EXPECT_EQ(litLamps(), (QList<int>{1, 2}));
    moveOver(menuForm->NewGameButton, {10, 10});
    EXPECT_EQ(litLamps(), (QList<int>{1, 2}));
    // Across the panel between two buttons: all off.
    moveOver(menuForm->ButtonsImage, {100, 44});
    EXPECT_TRUE(litLamps().isEmpty());
    moveOver(menuForm->ExitButton);
    EXPECT_EQ(litLamps(), (QList<int>{9, 10}));
    moveOver(menuForm->OptionsButton);
    EXPECT_EQ(litLamps(), (QList<int>{5, 6}));
    // The title pictures have no say; the black background has.
    moveOver(menuForm->LogoImage1);
    EXPECT_EQ(litLamps(), (QList<int>{5, 6}));
    moveOver(menuForm, {20, 300});
    EXPECT_TRUE(litLamps().isEmpty());
}

TEST_F(MainMenuTest, NewGameAlwaysStartsLevelOne) {
    showMenu();
    runAnimation();
    sounds.clear();
    ctx().state.LevelNumber = 9;
    QTest::mouseClick(menuForm->NewGameButton, Qt::LeftButton);
    EXPECT_EQ(ctx().state.LevelNumber.load(), 1);
    EXPECT_EQ(ctx().MenuChoice, QStringLiteral("New Game"));
    EXPECT_FALSE(menuForm->isVisible());
    EXPECT_FALSE(menuForm->exitRequested());
    EXPECT_EQ(sounds, QStringList{QStringLiteral("Printing")});
}

TEST_F(MainMenuTest, ExitEndsWithoutStartingALevel) {
    showMenu();
    runAnimation();
    ctx().MenuChoice = QStringLiteral("New Game");  // left over from an earlier game
    QTest::mouseClick(menuForm->ExitButton, Qt::LeftButton);
    EXPECT_TRUE(menuForm->exitRequested());
    EXPECT_FALSE(menuForm->isVisible());
    EXPECT_EQ(ctx().MenuChoice, QStringLiteral("New Game")) << "Exit leaves the choice alone";
}

TEST_F(MainMenuTest, ExitFromTheModalMenuEndsTheMessageLoop) {
    bool menuReturned = false;
    QTimer::singleShot(0, menuForm, [&] {
        menuForm->AllLightsOff();
        QTimer::singleShot(0, menuForm, [&] {
            while (menuForm->EffectTimer->isActive()) menuForm->EffectTimerTimer();
            QTest::mouseClick(menuForm->ExitButton, Qt::LeftButton);
        });
        showModal(menuForm);
        menuReturned = true;
    });
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    safety.start(5000);
    // The game screen stays up in the game; here closing the menu alone
    // must not end the loop.
    const bool quitOnClose = QGuiApplication::quitOnLastWindowClosed();
    QGuiApplication::setQuitOnLastWindowClosed(false);
    const int code = QCoreApplication::exec();
    QGuiApplication::setQuitOnLastWindowClosed(quitOnClose);
    EXPECT_EQ(code, 0) << "the menu's Exit must end the program's loop";
    EXPECT_TRUE(menuReturned);
    EXPECT_TRUE(menuForm->exitRequested());
    EXPECT_TRUE(ctx().MenuChoice.isEmpty());
}

TEST_F(MainMenuTest, EveryShowingReloadsTheConfiguration) {
    showMenu();
    EXPECT_EQ(ctx().ConfigFileName, QDir(dir.path()).absolutePath() + QStringLiteral("/tamb.cfg"));
    EXPECT_EQ(ctx().state.GameDelay.load(), 10);
    menuForm->hide();
    {
        QFile f(cfgPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("4\r\n50\r\n0\r\n");
    }
    showMenu();
    EXPECT_EQ(ctx().state.GameDelay.load(), 5000010);
    EXPECT_EQ(mainForm->Kirp->interval(), 2800);
    EXPECT_FALSE(ctx().soundEnabled);
    EXPECT_EQ(dataForm->LB1.first(), QStringLiteral("4"));
}

TEST_F(MainMenuTest, OptionsOpenOverTheMenuAndReturn) {
    showMenu();
    runAnimation();
    QTimer::singleShot(0, paramsForm, [this] { QTest::mouseClick(paramsForm->ParamsCancel, Qt::LeftButton); });
    QTest::mouseClick(menuForm->OptionsButton, Qt::LeftButton);
    EXPECT_FALSE(paramsForm->isVisible());
    EXPECT_TRUE(menuForm->isVisible());
}

TEST_F(MainMenuTest, MenuLooksRightAfterTheAnimation) {
    showMenu();
    runAnimation();
    moveOver(menuForm->EditorButton);
    const QImage shot = menuForm->grab().toImage();
    shot.save(screenshotPath(QStringLiteral("frontend_menu.png")));
    ASSERT_EQ(shot.size(), QSize(642, 482));
    EXPECT_EQ(QColor(shot.pixel(20, 300)), QColor(Qt::black));
    // The lamps of the Editor button are lit: something bright at their centre.
    const QColor lamp(shot.pixel(192 + 8, 208 + 3 * 40 + 8));
    EXPECT_GT(lamp.red() + lamp.green(), 300);
    EXPECT_EQ(QColor(shot.pixel(192 + 8, 208 + 8)), QColor(Qt::black)) << "New Game's lamp is off";
    // The panel lies behind the buttons and is not black.
    EXPECT_NE(QColor(shot.pixel(218, 196)), QColor(Qt::black));
}

}  // namespace
}  // namespace tamb::test
