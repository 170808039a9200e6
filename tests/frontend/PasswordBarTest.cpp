#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "FrontendFixture.h"
#include "ImageView.h"
#include "SpeedButton.h"

namespace tamb::test {
namespace {

class PasswordBarTest : public FrontendFixture {
protected:
    void SetUp() override {
        FrontendFixture::SetUp();
        // What the game screen loads at its first activation.
        mainForm->LevelPasswords[1] = QStringLiteral("tamb");
        for (int i = 2; i <= 9; ++i) mainForm->LevelPasswords[i] = QString::number(i);
        for (int i = 10; i <= 13; ++i) mainForm->LevelPasswords[i] = QString::number(i + 10);
        mainForm->BlankBitmap = Bitmap(640, 440);
        mainForm->PasswordScene = Bitmap(200, 104);
        mainForm->PasswordScene.fill(0xff3366ccu);
        menu->AllLightsOff();
        menu->show();
        menu->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(menu.get()));
        while (menu->EffectTimer->isActive()) menu->EffectTimerTimer();
        sounds.clear();
    }
    // Runs the slide to its end by hand; returns the number of ticks.
    int slide() {
        menu->PasswordEffect->stop();  // ticks come from here only
        int ticks = 0;
        do {
            menu->PasswordEffectTimer();
            ++ticks;
        } while (ticks < 1000 && lastTickWasNotFinal());
        return ticks;
    }
    bool lastTickWasNotFinal() {
        if (menu->PasswordBarMode == "ShowBar") return menu->PasswordBarX != 0;
        return menu->PasswordBarX < menu->PasswordImage->width();
    }
    void openBar() {
        QTest::mouseClick(menu->PasswordButton, Qt::LeftButton);
        slide();
        ASSERT_FALSE(menu->PasswordOk->isHidden());
        sounds.clear();
    }
    QColor barPixel(int x, int y) const { return QColor(menu->PasswordImage->bitmap().pixel(x, y)); }
};

TEST_F(PasswordBarTest, SlidesInInEighteenTicksAndOutInTwenty) {
    EXPECT_EQ(menu->PasswordImage->geometry(), QRect(456, 216, 185, 104));
    EXPECT_EQ(menu->PasswordBarX, 185);
    EXPECT_EQ(barPixel(100, 50), QColor(Qt::black));
    QTest::mouseClick(menu->PasswordButton, Qt::LeftButton);
    EXPECT_EQ(sounds, (QStringList{"Printing", "Password"}));
    EXPECT_EQ(menu->PasswordBarMode, QStringLiteral("ShowBar"));
    EXPECT_TRUE(menu->PasswordEffect->isActive());
    EXPECT_EQ(menu->PasswordEffect->interval(), 1);
    menu->PasswordEffect->stop();

    int ticks = 0;
    while (menu->PasswordOk->isHidden() && ticks < 100) {
        menu->PasswordEffectTimer();
        ++ticks;
        if (ticks == 1) {
            EXPECT_EQ(menu->PasswordBarX, 175);
            EXPECT_EQ(barPixel(174, 50), QColor(Qt::black));
            EXPECT_EQ(barPixel(175, 50), QColor(0x33, 0x66, 0xcc));
        }
    }
    EXPECT_EQ(ticks, 18);
    EXPECT_EQ(menu->PasswordBarX, 0);
    EXPECT_FALSE(menu->PasswordEdit->isHidden());
    EXPECT_FALSE(menu->PasswordCancel->isHidden());
    EXPECT_TRUE(menu->PasswordEdit->hasFocus());
    EXPECT_EQ(barPixel(0, 0), QColor(0x33, 0x66, 0xcc));

    sounds.clear();
    QTest::mouseClick(menu->PasswordCancel, Qt::LeftButton);
    EXPECT_EQ(sounds, (QStringList{"Printing", "Password"}));
    EXPECT_EQ(menu->PasswordBarMode, QStringLiteral("HideBar"));
    menu->PasswordEffect->stop();
    menu->PasswordEffectTimer();
    EXPECT_TRUE(menu->PasswordOk->isHidden()) << "the controls go on the first tick";
    EXPECT_EQ(menu->PasswordBarX, 1);
    ticks = 1;
    while (menu->PasswordBarX < 185 && ticks < 100) {
        menu->PasswordEffectTimer();
        ++ticks;
        if (menu->PasswordBarX == 11) {
            EXPECT_EQ(barPixel(5, 50), QColor(Qt::black)) << "blanked before drawing";
        }
    }
    EXPECT_EQ(ticks, 20);
    EXPECT_EQ(menu->PasswordBarX, 191);
    EXPECT_FALSE(menu->PasswordEffect->isActive());
    EXPECT_EQ(barPixel(184, 50), QColor(Qt::black));
}

TEST_F(PasswordBarTest, SlidesOnTheRealTimer) {
    QTest::mouseClick(menu->PasswordButton, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!menu->PasswordOk->isHidden(), 3000);
    EXPECT_FALSE(menu->PasswordEffect->isActive());
    EXPECT_EQ(QColor(menu->grab().toImage().pixel(460, 300)), QColor(0x33, 0x66, 0xcc));
    QTest::mouseClick(menu->PasswordButton, Qt::LeftButton);
    EXPECT_EQ(menu->PasswordBarMode, QStringLiteral("HideBar"));
    QTRY_VERIFY_WITH_TIMEOUT(!menu->PasswordEffect->isActive(), 3000);
    EXPECT_TRUE(menu->PasswordOk->isHidden());
}

TEST_F(PasswordBarTest, OpenBarWithTheGamePicture) {
    const QString scenePath = QStringLiteral(TAMB_GAMEDATA_DIR "/graphics/Password Scene Pic.bmp");
    if (!QFile::exists(scenePath)) GTEST_SKIP() << "game data not built";
    mainForm->PasswordScene.loadFromFile(scenePath);
    menu->hide();
    menu->LogoImage1->move(menu->LogoImage1->x(), 16);
    menu->LogoImage2->move(menu->LogoImage2->x(), 88);
    menu->AuthorImage->move(menu->AuthorImage->x(), 440);
    menu->show();
    EXPECT_EQ(menu->PasswordImage->height(), mainForm->PasswordScene.height());
    openBar();
    QTest::keyClicks(menu->PasswordEdit, QStringLiteral("Tamb"));
    const QImage shot = menu->grab().toImage();
    shot.save(QStringLiteral("/tmp/frontend_password_bar.png"));
    // The bar's picture fills its place at the right edge.
    const QRect bar = menu->PasswordImage->geometry();
    EXPECT_EQ(shot.pixel(bar.left() + 2, bar.bottom() - 2), mainForm->PasswordScene.pixel(2, bar.height() - 3));
    EXPECT_EQ(menu->PasswordEdit->text(), QStringLiteral("tamb"));
}

TEST_F(PasswordBarTest, AKnownPasswordStartsItsLevel) {
    openBar();
    QTest::keyClicks(menu->PasswordEdit, QStringLiteral("22"));
    QTest::mouseClick(menu->PasswordOk, Qt::LeftButton);
    EXPECT_EQ(sounds, (QStringList{"Printing", "LevelPassed"}));
    EXPECT_EQ(ctx.state.LevelNumber.load(), 12);
    EXPECT_EQ(mainForm->MenuChoice, QStringLiteral("New Game"));
    EXPECT_FALSE(menu->isVisible());
    EXPECT_TRUE(menu->PasswordOk->isHidden()) << "the bar goes at once";
    EXPECT_EQ(barPixel(100, 50), QColor(Qt::black));
    EXPECT_EQ(menu->PasswordEdit->text(), QStringLiteral("22")) << "the text stays for next time";
}

TEST_F(PasswordBarTest, LettersTurnLowerCaseAndTheFieldHoldsTen) {
    openBar();
    QTest::keyClicks(menu->PasswordEdit, QStringLiteral("TAmB"));
    EXPECT_EQ(menu->PasswordEdit->text(), QStringLiteral("tamb"));
    QTest::keyClicks(menu->PasswordEdit, QStringLiteral("abcdefgh"));
    EXPECT_EQ(menu->PasswordEdit->text().size(), 10);
    menu->PasswordEdit->clear();
    QTest::keyClicks(menu->PasswordEdit, QStringLiteral("TAMB"));
    QTest::mouseClick(menu->PasswordOk, Qt::LeftButton);
    EXPECT_EQ(ctx.state.LevelNumber.load(), 1);
    EXPECT_EQ(sounds.last(), QStringLiteral("LevelPassed"));
}

TEST_F(PasswordBarTest, AWrongPasswordIsAnsweredBySoundOnly) {
    openBar();
    ctx.state.LevelNumber = 1;
    QTest::keyClicks(menu->PasswordEdit, QStringLiteral("nope"));
    QTest::mouseClick(menu->PasswordOk, Qt::LeftButton);
    EXPECT_EQ(sounds, (QStringList{"Printing", "OutOfScreen"}));
    EXPECT_TRUE(menu->isVisible());
    EXPECT_FALSE(menu->PasswordOk->isHidden());
    EXPECT_EQ(menu->PasswordEdit->text(), QStringLiteral("nope"));
    EXPECT_TRUE(mainForm->MenuChoice.isEmpty());
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(PasswordBarTest, AnEmptyFieldIsAWrongPassword) {
    openBar();
    ctx.state.LevelNumber = 3;
    QTest::mouseClick(menu->PasswordOk, Qt::LeftButton);
    EXPECT_EQ(sounds, (QStringList{"Printing", "OutOfScreen"}));
    EXPECT_EQ(ctx.state.LevelNumber.load(), 3);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(mainForm->MenuChoice.isEmpty());
}

TEST_F(PasswordBarTest, EnterChecksWithoutTheClick) {
    openBar();
    QTest::keyClicks(menu->PasswordEdit, QStringLiteral("7"));
    QTest::keyClick(menu->PasswordEdit, Qt::Key_Return);
    EXPECT_EQ(sounds, QStringList{QStringLiteral("LevelPassed")});
    EXPECT_EQ(ctx.state.LevelNumber.load(), 7);
    EXPECT_FALSE(menu->isVisible());
}

TEST_F(PasswordBarTest, NewGameAfterAPasswordTryStillStartsLevelOne) {
    openBar();
    QTest::keyClicks(menu->PasswordEdit, QStringLiteral("x"));
    QTest::keyClick(menu->PasswordEdit, Qt::Key_Return);
    QTest::mouseClick(menu->NewGameButton, Qt::LeftButton);
    EXPECT_EQ(ctx.state.LevelNumber.load(), 1);
    EXPECT_TRUE(menu->PasswordEdit->isHidden());
    EXPECT_EQ(menu->PasswordBarX, 0) << "hidden at once, without moving";

    // Next showing: the bar starts out of sight again.
    menu->show();
    EXPECT_EQ(menu->PasswordBarX, 185);
    EXPECT_EQ(barPixel(10, 10), QColor(Qt::black));
}

TEST_F(PasswordBarTest, SlideFinishingWhileTheMenuIsHiddenIsHarmless) {
    QTest::mouseClick(menu->PasswordButton, Qt::LeftButton);
    menu->PasswordEffect->stop();
    menu->PasswordEffectTimer();
    menu->NewGameButtonClick(menu->NewGameButton);  // before the bar is in
    ASSERT_FALSE(menu->isVisible());
    EXPECT_EQ(slide(), 17);
    EXPECT_FALSE(menu->PasswordOk->isHidden());
    EXPECT_FALSE(menu->PasswordEdit->hasFocus());
}

}  // namespace
}  // namespace tamb::test
