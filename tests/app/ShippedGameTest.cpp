// The game screen over the game folder the build lays out: the real sprite
// sheet, sounds and shipped levels.
#include <QDirIterator>
#include <QTest>

#include "FormsHarness.h"
#include "TestGameFolder.h"
#include "ImageView.h"

namespace tamb {
namespace {

class ShippedGameTest : public test::FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        const QString data = QStringLiteral(TAMB_GAMEDATA_DIR);
        if (!QFile::exists(data + "/graphics/sprites.bmp") || !QFile::exists(data + "/levels/level1"))
            GTEST_SKIP() << "no game data built in " << data.toStdString();
        for (const char* sub : {"graphics", "Sound", "levels"}) {
            QDir().mkpath(dir.filePath(sub));
            QDirIterator it(data + "/" + sub, QDir::Files);
            while (it.hasNext()) {
                const QString f = it.next();
                QFile::copy(f, dir.filePath(QString(sub) + "/" + QFileInfo(f).fileName()));
            }
        }
    }
};

TEST_F(ShippedGameTest, EveryShippedLevelSetsUpAndTheScreenShowsTheStaticArena) {
    createForms();
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    mainForm->setUpScreen();
    mainForm->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(mainForm));
    for (int n = 1; QFile::exists(dir.filePath("levels/level" + QString::number(n))); ++n) {
        ctx().state.LevelNumber = n;
        mainForm->SetLevel();
        ASSERT_TRUE(errors.isEmpty()) << "level " << n << ": " << errors.join('\n').toStdString();
        EXPECT_EQ(ctx().state.LevelNumber, n);
        EXPECT_EQ(mainForm->Arena->bitmap().image(), ctx().pictures.ArenaBitmap.image()) << "level " << n;
        EXPECT_GT(ctx().state.KladsLeft, 0) << "level " << n;
    }
    ctx().state.LevelNumber = 1;
    mainForm->SetLevel();
    // Let the game thread draw the figures for a moment.
    QTest::qWait(400);
    const QImage shot = mainForm->grab().toImage();
    if (qEnvironmentVariableIsSet("TAMB_SCREENSHOT")) shot.save(qEnvironmentVariable("TAMB_SCREENSHOT"));
    EXPECT_EQ(shot.size(), QSize(642, 482));
}

}  // namespace
}  // namespace tamb
