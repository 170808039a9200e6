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
        ctx().passwords.set(1, QStringLiteral("tamb"));
        for (int i = 2; i <= 9; ++i) ctx().passwords.set(i, QString::number(i));
        for (int i = 10; i <= 13; ++i) ctx().passwords.set(i, QString::number(i + 10));
        ctx().pictures.BlankBitmap = Bitmap(640, 440);
        ctx().pictures.PasswordScene = Bitmap(200, 104);
        ctx().pictures.PasswordScene.fill(0xff3366ccu);
        menuForm->AllLightsOff();
        menuForm->show();
        menuForm->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(menuForm));
        while (menuForm->EffectTimer->isActive()) menuForm->EffectTimerTimer();
        sounds.clear();
    }
    // Runs the slide to its end by hand; returns the number of ticks.
    int slide() {
        menuForm->PasswordEffect->stop();  // ticks come from here only
        int ticks = 0;
        do {
            menuForm->PasswordEffectTimer();
            ++ticks;
        } while (ticks < 1000 && lastTickWasNotFinal());
        return ticks;
    }
    bool lastTickWasNotFinal() {
        if (menuForm->PasswordBarMode == "ShowBar") return menuForm->PasswordBarX != 0;
        return menuForm->PasswordBarX < menuForm->PasswordImage->width();
    }
    void openBar() {
        QTest::mouseClick(menuForm->PasswordButton, Qt::LeftButton);
        slide();
        ASSERT_FALSE(menuForm->PasswordOk->isHidden());
        sounds.clear();
    }
    QColor barPixel(int x, int y) const { return QColor(menuForm->PasswordImage->bitmap().pixel(x, y)); }
};

TEST_F(PasswordBarTest, SlidesInInEighteenTicksAndOutInTwenty) {
    EXPECT_EQ(menuForm->PasswordImage->geometry(), QRect(456, 216, 185, 104));
    EXPECT_EQ(menuForm->PasswordBarX, 185);
    EXPECT_EQ(barPixel(100, 50), QColor(Qt::black));
    QTest::mouseClick(menuForm->PasswordButton, Qt::LeftButton);
    EXPECT_EQ(sounds, (QStringList{"Printing", "Password"}));
    EXPECT_EQ(menuForm->PasswordBarMode, QStringLiteral("ShowBar"));
    EXPECT_TRUE(menuForm->PasswordEffect->isActive());
    EXPECT_EQ(menuForm->PasswordEffect->interval(), 1);
    menuForm->PasswordEffect->stop();

    int ticks = 0;
    while (menuForm->PasswordOk->isHidden() && ticks < 100) {
        menuForm->PasswordEffectTimer();
        ++ticks;
        if (ticks == 1) {
            EXPECT_EQ(menuForm->PasswordBarX, 175);
            EXPECT_EQ(barPixel(174, 50), QColor(Qt::black));
            EXPECT_EQ(barPixel(175, 50), QColor(0x33, 0x66, 0xcc));
        }
    }
    EXPECT_EQ(ticks, 18);
    EXPECT_EQ(menuForm->PasswordBarX, 0);
    EXPECT_FALSE(menuForm->PasswordEdit->isHidden());
    EXPECT_FALSE(menuForm->PasswordCancel->isHidden());
    EXPECT_TRUE(menuForm->PasswordEdit->hasFocus());
    EXPECT_EQ(barPixel(0, 0), QColor(0x33, 0x66, 0xcc));

    sounds.clear();
    QTest::mouseClick(menuForm->PasswordCancel, Qt::LeftButton);
    EXPECT_EQ(sounds, (QStringList{"Printing", "Password"}));
    EXPECT_EQ(menuForm->PasswordBarMode, QStringLiteral("HideBar"));
    menuForm->PasswordEffect->stop();
    menuForm->PasswordEffectTimer();
    EXPECT_TRUE(menuForm->PasswordOk->isHidden()) << "the controls go on the first tick";
    EXPECT_EQ(menuForm->PasswordBarX, 1);
    ticks = 1;
    while (menuForm->PasswordBarX < 185 && ticks < 100) {
        menuForm->PasswordEffectTimer();
        ++ticks;
        if (menuForm->PasswordBarX == 11) {
            EXPECT_EQ(barPixel(5, 50), QColor(Qt::black)) << "blanked before drawing";
        }
    }
    EXPECT_EQ(ticks, 20);
    EXPECT_EQ(menuForm->PasswordBarX, 191);
    EXPECT_FALSE(menuForm->PasswordEffect->isActive());
    EXPECT_EQ(barPixel(184, 50), QColor(Qt::black));
}

TEST_F(PasswordBarTest, SlidesOnTheRealTimer) {
    QTest::mouseClick(menuForm->PasswordButton, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!menuForm->PasswordOk->isHidden(), 3000);
    EXPECT_FALSE(menuForm->PasswordEffect->isActive());
    EXPECT_EQ(QColor(menuForm->grab().toImage().pixel(460, 300)), QColor(0x33, 0x66, 0xcc));
    QTest::mouseClick(menuForm->PasswordButton, Qt::LeftButton);
    EXPECT_EQ(menuForm->PasswordBarMode, QStringLiteral("HideBar"));
    QTRY_VERIFY_WITH_TIMEOUT(!menuForm->PasswordEffect->isActive(), 3000);
    EXPECT_TRUE(menuForm->PasswordOk->isHidden());
}

TEST_F(PasswordBarTest, OpenBarWithTheGamePicture) {
    const QString scenePath = QStringLiteral(TAMB_GAMEDATA_DIR "/graphics/Password Scene Pic.bmp");
    if (!QFile::exists(scenePath)) GTEST_SKIP() << "game data not built";
    ctx().pictures.PasswordScene.loadFromFile(scenePath);
    menuForm->hide();
    menuForm->LogoImage1->move(menuForm->LogoImage1->x(), 16);
    menuForm->LogoImage2->move(menuForm->LogoImage2->x(), 88);
    menuForm->AuthorImage->move(menuForm->AuthorImage->x(), 440);
    menuForm->show();
    EXPECT_EQ(menuForm->PasswordImage->height(), ctx().pictures.PasswordScene.height());
    openBar();
    QTest::keyClicks(menuForm->PasswordEdit, QStringLiteral("Tamb"));
    const QImage shot = menuForm->grab().toImage();
    shot.save(screenshotPath(QStringLiteral("frontend_password_bar.png")));
    // The bar's picture fills its place at the right edge.
    const QRect bar = menuForm->PasswordImage->geometry();
    EXPECT_EQ(shot.pixel(bar.left() + 2, bar.bottom() - 2), ctx().pictures.PasswordScene.pixel(2, bar.height() - 3));
    EXPECT_EQ(menuForm->PasswordEdit->text(), QStringLiteral("tamb"));
}

TEST_F(PasswordBarTest, AKnownPasswordStartsItsLevel) {
    openBar();
    QTest::keyClicks(menuForm->PasswordEdit, QStringLiteral("22"));
    QTest::mouseClick(menuForm->PasswordOk, Qt::LeftButton);
    EXPECT_EQ(sounds, (QStringList{"Printing", "LevelPassed"}));
    EXPECT_EQ(ctx().state.LevelNumber.load(), 12);
    EXPECT_EQ(ctx().MenuChoice, QStringLiteral("New Game"));
    EXPECT_FALSE(menuForm->isVisible());
    EXPECT_TRUE(menuForm->PasswordOk->isHidden()) << "the bar goes at once";
    EXPECT_EQ(barPixel(100, 50), QColor(Qt::black));
    EXPECT_EQ(menuForm->PasswordEdit->text(), QStringLiteral("22")) << "the text stays for next time";
}

TEST_F(PasswordBarTest, LettersTurnLowerCaseAndTheFieldHoldsTen) {
    openBar();
    QTest::keyClicks(menuForm->PasswordEdit, QStringLiteral("TAmB"));
    EXPECT_EQ(menuForm->PasswordEdit->text(), QStringLiteral("tamb"));
    QTest::keyClicks(menuForm->PasswordEdit, QStringLiteral("abcdefgh"));
    EXPECT_EQ(menuForm->PasswordEdit->text().size(), 10);
    menuForm->PasswordEdit->clear();
    QTest::keyClicks(menuForm->PasswordEdit, QStringLiteral("TAMB"));
    QTest::mouseClick(menuForm->PasswordOk, Qt::LeftButton);
    EXPECT_EQ(ctx().state.LevelNumber.load(), 1);
    EXPECT_EQ(sounds.last(), QStringLiteral("LevelPassed"));
}

TEST_F(PasswordBarTest, AWrongPasswordIsAnsweredBySoundOnly) {
    openBar();
    ctx().state.LevelNumber = 1;
    QTest::keyClicks(menuForm->PasswordEdit, QStringLiteral("nope"));
    QTest::mouseClick(menuForm->PasswordOk, Qt::LeftButton);
    EXPECT_EQ(sounds, (QStringList{"Printing", "OutOfScreen"}));
    EXPECT_TRUE(menuForm->isVisible());
    EXPECT_FALSE(menuForm->PasswordOk->isHidden());
    EXPECT_EQ(menuForm->PasswordEdit->text(), QStringLiteral("nope"));
    EXPECT_TRUE(ctx().MenuChoice.isEmpty());
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(PasswordBarTest, AnEmptyFieldIsAWrongPassword) {
    openBar();
    ctx().state.LevelNumber = 3;
    QTest::mouseClick(menuForm->PasswordOk, Qt::LeftButton);
    EXPECT_EQ(sounds, (QStringList{"Printing", "OutOfScreen"}));
    EXPECT_EQ(ctx().state.LevelNumber.load(), 3);
    EXPECT_TRUE(menuForm->isVisible());
    EXPECT_TRUE(ctx().MenuChoice.isEmpty());
}

TEST_F(PasswordBarTest, EnterChecksWithoutTheClick) {
    openBar();
    QTest::keyClicks(menuForm->PasswordEdit, QStringLiteral("7"));
    QTest::keyClick(menuForm->PasswordEdit, Qt::Key_Return);
    EXPECT_EQ(sounds, QStringList{QStringLiteral("LevelPassed")});
    EXPECT_EQ(ctx().state.LevelNumber.load(), 7);
    EXPECT_FALSE(menuForm->isVisible());
}

TEST_F(PasswordBarTest, NewGameAfterAPasswordTryStillStartsLevelOne) {
    openBar();
    QTest::keyClicks(menuForm->PasswordEdit, QStringLiteral("x"));
    QTest::keyClick(menuForm->PasswordEdit, Qt::Key_Return);
    QTest::mouseClick(menuForm->NewGameButton, Qt::LeftButton);
    EXPECT_EQ(ctx().state.LevelNumber.load(), 1);
    EXPECT_TRUE(menuForm->PasswordEdit->isHidden());
    EXPECT_EQ(menuForm->PasswordBarX, 0) << "hidden at once, without moving";

    // Next showing: the bar starts out of sight again.
    menuForm->show();
    EXPECT_EQ(menuForm->PasswordBarX, 185);
    EXPECT_EQ(barPixel(10, 10), QColor(Qt::black));
}

TEST_F(PasswordBarTest, SlideFinishingWhileTheMenuIsHiddenIsHarmless) {
    QTest::mouseClick(menuForm->PasswordButton, Qt::LeftButton);
    menuForm->PasswordEffect->stop();
    menuForm->PasswordEffectTimer();
    menuForm->NewGameButtonClick(menuForm->NewGameButton);  // before the bar is in
    ASSERT_FALSE(menuForm->isVisible());
    EXPECT_EQ(slide(), 17);
    EXPECT_FALSE(menuForm->PasswordOk->isHidden());
    EXPECT_FALSE(menuForm->PasswordEdit->hasFocus());
}

}  // namespace
}  // namespace tamb::test
