#include <QLabel>
#include <QTest>
#include <QTimer>

#include "FormsHarness.h"
#include "TestGameFolder.h"
#include "ImageView.h"
#include "ScreenScale.h"

namespace tamb {
namespace {

class StartupTest : public test::FormsTest {};

bool allBlack(const QImage& image, const QRect& r) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if ((image.pixel(x, y) & 0xffffffu) != 0) return false;
    return true;
}

TEST_F(StartupTest, AMissingSpriteSheetIsReportedAndLeavesABlackScreen) {
    writeGameFolder();
    QFile::remove(dir.path() + "/graphics/sprites.bmp");
    createForms();
    bool menuShown = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, menuForm, [&] {
        if (menuForm->isVisible()) {
            menuShown = true;
            menuForm->hide();
        }
    });
    watch.start(5);
    forms->root->start();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !errors.isEmpty(); }, 3000));
    QTest::qWait(50);
    EXPECT_TRUE(errors[0].contains("sprites.bmp")) << errors[0].toStdString();
    EXPECT_FALSE(menuShown) << "the rest of the activation does not run";
    EXPECT_EQ(mainForm->geometry(), QRect(0, 0, 642, 482));
    const QImage screen = mainForm->grab().toImage();
    EXPECT_TRUE(allBlack(screen, QRect(0, 0, 640, 440)));
    EXPECT_FALSE(mainForm->Kirp->isActive());
    // Activation does not run again.
    forms->root->activate();
    EXPECT_EQ(errors.size(), 1);
}

TEST_F(StartupTest, ActivationLaysOutTheScreensAndShowsTheMenu) {
    writeGameFolder();
    createForms();
    int menuShowings = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, menuForm, [&] {
        if (menuForm->isVisible()) {
            ++menuShowings;
            menuForm->hide();
        }
    });
    watch.start(5);
    forms->root->start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return menuShowings > 0; }, 3000));
    QTest::qWait(50);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    // The menu closed without New Game: an idle black screen, no level.
    EXPECT_FALSE(prepareForm->isVisible());
    EXPECT_TRUE(mainForm->ManThread.isNull());

    EXPECT_EQ(mainForm->Arena->geometry(), QRect(0, 0, 640, 440));
    EXPECT_EQ(mainForm->StatusPanel->geometry(), QRect(0, 440, 642, 40));
    EXPECT_EQ(mainForm->KladsLabel->pos(), QPoint(25, 442));
    EXPECT_EQ(mainForm->LivesLabel->pos(), QPoint(285, 442));
    EXPECT_EQ(mainForm->PauseImage->geometry(), QRect(160, 112, 320, 69));
    EXPECT_TRUE(mainForm->PauseImage->isHidden());
    EXPECT_EQ(ctx().pictures.ArenaBitmap.size(), QSize(640, 440));
    EXPECT_EQ(ctx().pictures.BlankBitmap.size(), QSize(640, 440));
    EXPECT_EQ(ctx().pictures.BlankBitmap.pixel(639, 439), 0xff000000u);
    EXPECT_FALSE(ctx().pictures.SpriteSheet.isNull());
    EXPECT_FALSE(ctx().pictures.PasswordScene.isNull());
    EXPECT_EQ(menuForm->geometry(), QRect(0, 0, 642, 482));
    EXPECT_EQ(menuForm->AuthorImage->y(), 440);
    EXPECT_EQ(menuForm->LogoImage1->y(), 16);
    EXPECT_EQ(menuForm->LogoImage2->y(), 88);
    EXPECT_EQ(editorForm->geometry(), QRect(0, 0, 642, 482));
    EXPECT_EQ(editorForm->EditorImage->geometry(), QRect(0, 0, 640, 440));
    EXPECT_EQ(editorForm->WorkingPanel->y(), 440);

    const LevelPasswords& pw = ctx().passwords;
    EXPECT_EQ(pw.of(1).size(), 4);
    for (QChar c : pw.of(1)) EXPECT_TRUE(c >= 'a' && c <= 'z');
    for (int k = 2; k <= 9; ++k) EXPECT_TRUE(pw.of(k).size() == 1 && pw.of(k)[0].isDigit()) << k;
    for (int k = 10; k <= 13; ++k) EXPECT_TRUE(pw.of(k).size() == 2 && pw.of(k)[0].isDigit() && pw.of(k)[1].isDigit()) << k;
    for (int k = 14; k <= 30; ++k) EXPECT_TRUE(pw.of(k).isEmpty()) << k;
}

TEST_F(StartupTest, NewGameFromTheMenuSetsUpTheLevelBehindThePreparationScreen) {
    writeGameFolder();
    test::writeLevel(dir.path(), 1, test::simpleLevel());
    createForms();
    bool sawPreparation = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, menuForm, [&] {
        if (menuForm->isVisible()) {
            ctx().MenuChoice = QStringLiteral("New Game");
            menuForm->hide();
        }
        if (prepareForm->isVisible()) sawPreparation = true;
    });
    watch.start(5);
    forms->root->start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !mainForm->ManThread.isNull(); }, 5000));
    EXPECT_TRUE(sawPreparation);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    EXPECT_EQ(mainForm->KladsLabel->text(), QStringLiteral("кладов: 1"));
    watch.stop();

    // A picture of the game screen for whoever looks at the test's output.
    QTest::qWait(300);
    const QImage shot = mainForm->grab().toImage();
    if (qEnvironmentVariableIsSet("TAMB_SCREENSHOT")) shot.save(qEnvironmentVariable("TAMB_SCREENSHOT"));
    // The treasure shows one of its glitter frames (the animation timer
    // moves on between two drawings, so which one is not fixed).
    bool glitterFrame = false;
    for (int v = kGlitterStates.first; v <= kGlitterStates.last; ++v)
        glitterFrame |= (shot.pixel(210, 390) | 0xff000000u) == (test::frameColour(v) | 0xff000000u);
    EXPECT_TRUE(glitterFrame);
}

// The way out with a game running: the devil stands in water at its door
// and comes back to it every tick, so each tick plays a sound through the
// data holder and draws on the game screen while the forms are destroyed.
TEST_F(StartupTest, EndingWithAGameRunningStopsItBeforeAnyFormGoes) {
    writeGameFolder();
    test::LevelSpec level = test::simpleLevel();
    for (int col = 23; col <= 27; ++col) level.set(19, col, Water);
    level.shets = {{25, 19}};
    level.shetsDoor = {25, 19};
    test::writeLevel(dir.path(), 1, level);
    for (int run = 0; run < 3; ++run) {
        createForms();
        mainForm->setUpScreen();
        ctx().state.LevelNumber = 1;
        mainForm->SetLevel();
        ASSERT_FALSE(mainForm->ManThread.isNull());
        ASSERT_TRUE(QTest::qWaitFor([this] { return audio->log().count(QStringLiteral("oneshot ") +
                                                                         dir.path() + "/Sound/Laugh2.wav") >= 5; },
                                    5000));
        bool threadGoneFirst = false;
        TMainForm* main = mainForm;
        QObject::connect(dataForm, &QObject::destroyed, [&] { threadGoneFirst = main->ManThread.isNull(); });
        destroyForms();
        EXPECT_TRUE(threadGoneFirst) << "the data holder went while the game still played through it";
        // Whatever the game posted last finds no form and does nothing.
        QCoreApplication::processEvents();
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST(InterfaceScale, TheLargestWholeFactorThatFits) {
    EXPECT_EQ(interfaceScaleFor(1024, 768), 1);
    EXPECT_EQ(interfaceScaleFor(1283, 964), 1);
    EXPECT_EQ(interfaceScaleFor(1284, 964), 2);
    EXPECT_EQ(interfaceScaleFor(1920, 1080), 2);
    EXPECT_EQ(interfaceScaleFor(2560, 1440), 2);
    EXPECT_EQ(interfaceScaleFor(3840, 2160), 4);
    EXPECT_EQ(interfaceScaleFor(0, 0), 1);
}

}  // namespace
}  // namespace tamb
