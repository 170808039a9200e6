// Trying a level from the editor: the drawing, unsaved, is played on the
// game screen (its found route shown first when asked for), and Space or
// the game's own end leads back to the editor with the drawing intact.
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "EditorRouteCheck.h"
#include "FormsHarness.h"
#include "ImageView.h"
#include "TestGameFolder.h"
#include "TextLines.h"

namespace tamb {
namespace {

using test::FormsTest;

constexpr int kTrialLevel = 7;
constexpr int kPlayersLevel = 5;

enum class Ending { Space, LevelPassed, RouteThenSpace };

class TrialPlayTest : public FormsTest {
protected:
    // Runs the road menu -> editor -> trial of the drawn corridor (level 7
    // with a second treasure) and back, ended the given way.
    void run(Ending ending) {
        writeGameFolder();
        test::writeLevel(dir.path(), kTrialLevel, test::corridorLevel());
        fileBefore = TextLines::read(levelFile());
        createForms();
        ctx().state.LevelNumber = kPlayersLevel;
        reports.answers = {true, true};  // watch the route; leave unsaved

        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, mainForm, [this, ending] { step(ending); });
        watch.start(5);
        forms->root->start();
        if (ending == Ending::RouteThenSpace) {
            ASSERT_TRUE(QTest::qWaitFor([this] { return mainForm->routeShowing(); }, 60000));
            EXPECT_EQ(mainForm->KladsLabel->text(), QStringLiteral("кладов: 2")) << "the show plays the drawing";
            EXPECT_TRUE(mainForm->RouteHint->isVisibleTo(mainForm));
            QTest::keyClick(mainForm, Qt::Key_A);
            EXPECT_FALSE(mainForm->routeShowing());
        }
        ASSERT_TRUE(QTest::qWaitFor([this] { return !mainForm->ManThread.isNull() && !prepareForm->isVisible(); },
                                    10000));
        EXPECT_TRUE(mainForm->isTrying());
        EXPECT_FALSE(editorForm->isVisible());
        EXPECT_FALSE(menuForm->isVisible());
        EXPECT_EQ(mainForm->KladsLabel->text(), QStringLiteral("кладов: 2")) << "the drawing, not the file";
        EXPECT_EQ(preparedLevel, QStringLiteral("Уровень 7")) << "no password for a drawing";
        EXPECT_TRUE(mainForm->RouteHint->isVisibleTo(mainForm) &&
                    mainForm->RouteHint->text().contains(QStringLiteral("Пробел - в редактор")))
            << "the way back is on the status panel";
        if (ending == Ending::Space) mainForm->grab().save(test::screenshotPath(QStringLiteral("trial-game.png")));
        if (ending == Ending::LevelPassed) {
            QTest::keyPress(mainForm, Qt::Key_Right);
            ASSERT_TRUE(QTest::qWaitFor([this] { return leftEditor; }, 20000));
        } else {
            QTest::keyClick(mainForm, Qt::Key_Space);
        }
        watch.stop();
        ASSERT_TRUE(backInEditor) << "the trial ends in the editor";
        EXPECT_EQ(cellsAfter, cellsBefore);
        EXPECT_TRUE(imageAfter == imageBefore) << "the editor's picture is the drawing, preview included";
        if (ending == Ending::Space) editorAfter.save(test::screenshotPath(QStringLiteral("trial-editor-back.png")));
        EXPECT_FALSE(savedAfter) << "the drawing is still unsaved";
        EXPECT_EQ(numberAfter, kPlayersLevel) << "the player's level is kept";
        EXPECT_TRUE(menuUnderEditor);
        EXPECT_EQ(TextLines::read(levelFile()), fileBefore) << "a trial saves nothing";
        EXPECT_FALSE(mainForm->isTrying());
        EXPECT_FALSE(mainForm->RouteHint->isVisibleTo(mainForm));
        EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    }

    QString levelFile() const { return dir.path() + QStringLiteral("/levels/level7"); }

    // Plays the user while the modal screens run their own loops; whatever
    // opens a loop of its own is posted, so this never blocks.
    void step(Ending ending) {
        auto later = [this](std::function<void()> f) { QTimer::singleShot(0, mainForm, std::move(f)); };
        if (prepareForm->isVisible()) preparedLevel = prepareForm->LevelLabel->text();
        if (!openedEditor && menuForm->isVisible() && !editorForm->isVisible()) {
            openedEditor = true;
            later([this] { menuForm->EditorButtonClick(); });
        } else if (!drew && editorForm->isVisible()) {
            drew = true;
            editorForm->LevelCount->setText(QString::number(kTrialLevel));
            editorForm->LoadLevelClick();
            // A second treasure by the mouse, the preview left on it.
            editorForm->EditorImageMouseMove(6 * kCellSize + 5, 19 * kCellSize + 5);
            editorForm->EditorImageClick();
            editorForm->EditorImageMouseMove(7 * kCellSize + 5, 18 * kCellSize + 5);
            cellsBefore = editorForm->EditorCells;
            imageBefore = editorForm->EditorImage->grab().toImage();
            later([this, ending] {
                if (ending == Ending::RouteThenSpace)
                    editorForm->CheckLevelClick();
                else
                    QTest::keyClick(editorForm, Qt::Key_F9);
            });
        } else if (drew && !backInEditor && editorForm->isVisible() && !editorForm->RouteCheck->running() &&
                   !mainForm->isTrying()) {
            backInEditor = true;
            cellsAfter = editorForm->EditorCells;
            imageAfter = editorForm->EditorImage->grab().toImage();
            editorAfter = editorForm->grab().toImage();
            savedAfter = editorForm->LevelSaved;
            numberAfter = ctx().state.LevelNumber;
            menuUnderEditor = menuForm->isVisible();
            later([this] { editorForm->ExitButtonClick(); });
        } else if (backInEditor && !leftEditor && !editorForm->isVisible() && menuForm->isVisible()) {
            leftEditor = true;
            ctx().MenuChoice.clear();
            menuForm->hide();
        }
    }

    QStringList fileBefore;
    QString preparedLevel;
    bool openedEditor = false, drew = false, backInEditor = false, leftEditor = false;
    EditorGrid cellsBefore{}, cellsAfter{};
    QImage imageBefore, imageAfter, editorAfter;
    bool savedAfter = true;
    int numberAfter = 0;
    bool menuUnderEditor = false;
};

TEST_F(TrialPlayTest, SpaceLeadsBackToTheEditor) { run(Ending::Space); }

TEST_F(TrialPlayTest, PassingTheLevelLeadsBackToTheEditor) { run(Ending::LevelPassed); }

TEST_F(TrialPlayTest, TheCheckedRouteIsShownThenTheLevelIsPlayed) { run(Ending::RouteThenSpace); }

}  // namespace
}  // namespace tamb
