// Passing the last level: a short victory screen over the game screen, then
// the preparation screen says so and the game starts over at level 1.
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "FormsHarness.h"
#include "SpriteLayout.h"
#include "TVictoryForm.h"
#include "TestGameFolder.h"

namespace tamb {
namespace {

using test::FormsTest;

class VictoryTest : public FormsTest {
protected:
    TVictoryForm& victory() { return forms->root->victory(); }
};

TEST_F(VictoryTest, TheLastLevelIsCelebratedUntilAKeyOrItsTimeThenLevelOneIsPrepared) {
    for (const bool byKey : {true, false}) {
        writeGameFolder();
        test::writeLevel(dir.path(), 1, test::corridorLevel());
        createForms();
        ctx().soundEnabled = true;
        if (!byKey) victory().setShowTime(50);
        mainForm->setUpScreen();
        ctx().state.LevelNumber = 1;
        mainForm->SetLevel();
        ASSERT_FALSE(mainForm->ManThread.isNull());
        audio->clear();

        QImage shot;
        QString outcome;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, mainForm, [&] {
            if (victory().isVisible() && shot.isNull()) {
                shot = victory().grab().toImage();
                if (byKey) QTimer::singleShot(0, &victory(), [&] { QTest::keyClick(&victory(), Qt::Key_Space); });
            }
            if (prepareForm->isVisible()) outcome = prepareForm->OutcomeLabel->text();
        });
        watch.start(5);
        QTest::keyPress(mainForm, Qt::Key_Right);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !outcome.isEmpty() && !prepareForm->isVisible(); }, 20000))
            << byKey;
        QTest::keyRelease(mainForm, Qt::Key_Right);
        watch.stop();

        ASSERT_FALSE(shot.isNull()) << "the victory showed";
        EXPECT_FALSE(victory().isVisible());
        EXPECT_EQ(outcome, QStringLiteral("Все уровни пройдены!"));
        EXPECT_EQ(ctx().state.LevelNumber, 1) << "the game starts over";
        EXPECT_FALSE(mainForm->ManThread.isNull());
        EXPECT_TRUE(audio->log().contains(QStringLiteral("play ") + dir.path() + QStringLiteral("/Sound/spike.wav")))
            << audio->log().join(' ').toStdString();
        // The treasures come from the game's sheet, drawn twice their size.
        const QImage& sheet = ctx().pictures.SpriteSheet.image();
        const QRgb treasure = sheet.pixel(sprites::staticTile(Klad)->center());
        int treasurePixels = 0;
        for (int x = 0; x < shot.width(); x += 2) treasurePixels += shot.pixel(x, 320) == treasure;
        EXPECT_GT(treasurePixels, 9 * 10) << "nine treasures in a row";
        if (byKey) {
            // For people to look at: the screen with the game's own sheet.
            ctx().pictures.SpriteSheet.loadFromFile(QStringLiteral(TAMB_GAMEDATA_DIR "/graphics/sprites.bmp"));
            EXPECT_TRUE(victory().grab().save(test::screenshotPath(QStringLiteral("victory.png"))));
        }
        destroyForms();
    }
}

}  // namespace
}  // namespace tamb
