// The help (F1) over the game screen, the menu and the editor: how it opens
// and closes, the pause it puts on a game, and the pictures it cuts from
// the sprite sheet.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <functional>

#include "EditorItems.h"
#include "FormsHarness.h"
#include "HelpText.h"
#include "HelpWindow.h"
#include "ImageView.h"
#include "LevelCodec.h"
#include "SpriteLayout.h"
#include "TestGameFolder.h"
#include "TextLines.h"

namespace tamb {
namespace {

using test::FormsTest;

class HelpTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        writeGameFolder();
        test::writeLevel(dir.path(), 1, test::simpleLevel());
        createForms();
    }
    void TearDown() override {
        for (QWidget* w : {static_cast<QWidget*>(menuForm), static_cast<QWidget*>(editorForm)})
            if (w) w->hide();
        FormsTest::TearDown();
    }

    // A game of level 1 runs on its thread.
    void startGame() {
        mainForm->setUpScreen();
        ctx().state.LevelNumber = 1;
        mainForm->SetLevel();
        ASSERT_FALSE(mainForm->ManThread.isNull());
    }
    Command command() const { return forms->ctx.state.Command; }
    bool pauseShown() const { return mainForm->PauseImage->isVisibleTo(mainForm); }
    HelpWindow* gameHelp() const { return mainForm->Help; }

    // The colour the help shows at (x, y) of an item's picture.
    QRgb shownPixel(HelpWindow* help, int32_t code, QPoint at) {
        ImageView* picture = help->tilePicture(code);
        if (!picture) {
            ADD_FAILURE() << "no picture of code " << code;
            return 0;
        }
        const QImage shot = help->grab().toImage();
        return shot.pixel(picture->mapTo(help, at));
    }
};

struct Place {
    const char* name;
    QWidget* form;
    HelpWindow* help;
};

struct Closer {
    const char* name;
    std::function<void(HelpWindow*)> close;
};

TEST_F(HelpTest, F1OpensTheHelpOverEachPlaceAndEscF1OrItsButtonClosesIt) {
    const Place places[] = {
        {"game screen", mainForm, mainForm->Help},
        {"menu", menuForm, menuForm->Help},
        {"editor", editorForm, editorForm->Help},
    };
    const Closer closers[] = {
        {"Esc", [](HelpWindow* h) { QTest::keyClick(h, Qt::Key_Escape); }},
        {"F1", [](HelpWindow* h) { QTest::keyClick(h, Qt::Key_F1); }},
        {"button", [](HelpWindow* h) { QTest::mouseClick(h->findChild<QPushButton*>(), Qt::LeftButton); }},
    };
    for (const Place& place : places) {
        QWidget* form = place.form;
        HelpWindow* help = place.help;
        ASSERT_NE(help, nullptr) << place.name;
        for (const Closer& closer : closers) {
            SCOPED_TRACE(std::string(place.name) + ", closed by " + closer.name);
            QTest::keyClick(form, Qt::Key_F1);
            ASSERT_TRUE(help->isVisible());
            EXPECT_EQ(help->parentWidget(), form);
            EXPECT_TRUE(help->isModal()) << "the form under it takes no keys meanwhile";
            EXPECT_EQ(help->geometry().topLeft(), form->geometry().topLeft()) << "it covers its form";
            // A second F1 on the form (a held key) does not open another.
            QTest::keyClick(form, Qt::Key_F1);
            EXPECT_EQ(form->findChildren<HelpWindow*>().size(), 1);
            // Other keys leave it open.
            QTest::keyClick(help, Qt::Key_Down);
            QTest::keyClick(help, Qt::Key_Return);
            QTest::keyClick(help, Qt::Key_Space);
            EXPECT_TRUE(help->isVisible());
            closer.close(help);
            EXPECT_FALSE(help->isVisible());
        }
    }
}

TEST_F(HelpTest, TheGameWaitsWhileTheHelpIsOpenAndGoesOnAfter) {
    startGame();
    QTest::keyPress(mainForm, Qt::Key_Right);
    ASSERT_EQ(command(), Command::Right);

    QTest::keyClick(mainForm, Qt::Key_F1);
    ASSERT_TRUE(gameHelp()->isVisible());
    EXPECT_EQ(command(), Command::Pause);
    EXPECT_TRUE(pauseShown());
    // The keys go to the help: the man neither moves nor burns.
    QTest::keyClick(gameHelp(), Qt::Key_Left);
    QTest::keyClick(gameHelp(), Qt::Key_Control);
    EXPECT_EQ(command(), Command::Pause);

    // Esc closes the help; it gives up no life.
    QTest::keyClick(gameHelp(), Qt::Key_Escape);
    EXPECT_FALSE(gameHelp()->isVisible());
    EXPECT_EQ(command(), Command::Stop);
    EXPECT_FALSE(pauseShown());
    EXPECT_EQ(ctx().state.Lives, 3);

    // The keys are the game's again, as before.
    QTest::keyPress(mainForm, Qt::Key_Left);
    EXPECT_EQ(command(), Command::Left);
    QTest::keyRelease(mainForm, Qt::Key_Left);
    EXPECT_EQ(command(), Command::Stop);
    QTest::keyClick(mainForm, Qt::Key_Escape);
    EXPECT_EQ(command(), Command::UserKillsMan);
}

TEST_F(HelpTest, AGameThePlayerPausedStaysPausedAfterTheHelp) {
    startGame();
    for (const Qt::Key pause : {Qt::Key_Pause, Qt::Key_P}) {
        SCOPED_TRACE(pause);
        QTest::keyClick(mainForm, pause);
        ASSERT_EQ(command(), Command::Pause);
        // F1 is no "other key": it does not end the pause.
        QTest::keyClick(mainForm, Qt::Key_F1);
        ASSERT_TRUE(gameHelp()->isVisible());
        EXPECT_EQ(command(), Command::Pause);
        QTest::keyClick(gameHelp(), Qt::Key_F1);
        EXPECT_FALSE(gameHelp()->isVisible());
        EXPECT_EQ(command(), Command::Pause);
        EXPECT_TRUE(pauseShown());
        // The pause key goes on toggling as it did.
        QTest::keyClick(mainForm, pause);
        EXPECT_EQ(command(), Command::Stop);
        EXPECT_FALSE(pauseShown());
    }
}

TEST_F(HelpTest, AGameThatHasEndedIsNotPausedByTheHelp) {
    // The game thread has written "exit" (the level passed) and the next
    // level is on its way: the help must not turn it into a pause.
    ctx().state.Command = Command::Exit;
    QTest::keyClick(mainForm, Qt::Key_F1);
    ASSERT_TRUE(gameHelp()->isVisible());
    EXPECT_EQ(command(), Command::Exit);
    EXPECT_FALSE(pauseShown());
    QTest::keyClick(gameHelp(), Qt::Key_Escape);
    EXPECT_EQ(command(), Command::Exit);
}

TEST_F(HelpTest, ALevelThatBeginsUnderTheHelpWaitsForIt) {
    startGame();
    QTest::keyClick(mainForm, Qt::Key_F1);
    ASSERT_EQ(command(), Command::Pause);
    // The next level is set up while the help is still open.
    mainForm->SetLevel();
    EXPECT_EQ(command(), Command::Pause);
    EXPECT_TRUE(gameHelp()->isVisible());
    QTest::keyClick(gameHelp(), Qt::Key_Escape);
    EXPECT_EQ(command(), Command::Stop);
}

TEST_F(HelpTest, F1EndsTheRouteShowAsAnyKeyAndTheHelpHoldsTheLevelThatBegins) {
    startGame();
    const GameLevel level = decodeGameLevel(TextLines::toBytes(test::simpleLevel().lines()));
    mainForm->playRoute(level, 1, {{1, Command::Right}});
    ASSERT_TRUE(mainForm->routeShowing());
    QTest::keyClick(mainForm, Qt::Key_F1);
    EXPECT_FALSE(mainForm->routeShowing());
    EXPECT_FALSE(mainForm->ManThread.isNull()) << "the level begins for the player";
    ASSERT_TRUE(gameHelp()->isVisible());
    EXPECT_EQ(command(), Command::Pause);
    QTest::keyClick(gameHelp(), Qt::Key_Escape);
    EXPECT_EQ(command(), Command::Stop);
}

TEST_F(HelpTest, ARouteFoundWhileTheHelpIsOpenIsShownWhenItCloses) {
    // A level without a route file: the finder looks while the player plays.
    test::LevelSpec corridor = test::simpleLevel();
    corridor.set(19, 12, Empty);
    corridor.set(19, 14, Empty);
    corridor.outDoor = {16, 19};
    corridor.shets = {{25, 19}};
    test::writeLevel(dir.path(), 1, corridor);
    startGame();
    QTest::keyClick(mainForm, Qt::Key_F2);
    ASSERT_TRUE(mainForm->routeSearching());
    QTest::keyClick(mainForm, Qt::Key_F1);
    ASSERT_TRUE(QTest::qWaitFor([this] { return mainForm->RouteHint->text() != QStringLiteral("Поиск пути..."); },
                                30000));
    // The answer is in; the show has not begun under the help.
    EXPECT_EQ(mainForm->RouteHint->text(), QStringLiteral("Путь найден."));
    EXPECT_FALSE(mainForm->routeShowing());
    EXPECT_EQ(command(), Command::Pause);
    QTest::keyClick(gameHelp(), Qt::Key_Escape);
    EXPECT_TRUE(mainForm->routeShowing());
}

TEST_F(HelpTest, TheMenuAndTheEditorAreAsTheyWereUnderTheHelp) {
    // The title animation runs on under the help; a key then skips it as before.
    menuForm->show();
    ASSERT_TRUE(menuForm->EffectTimer->isActive());
    const int step = menuForm->EffectStep;
    QTest::keyClick(menuForm, Qt::Key_F1);
    ASSERT_TRUE(menuForm->Help->isVisible());
    EXPECT_TRUE(menuForm->EffectTimer->isActive());
    EXPECT_EQ(menuForm->EffectStep, step);
    QTest::keyClick(menuForm->Help, Qt::Key_Escape);
    EXPECT_TRUE(menuForm->isVisible()) << "Esc in the help does not leave the menu";
    QTest::keyClick(menuForm, Qt::Key_A);
    EXPECT_FALSE(menuForm->EffectTimer->isActive());
    menuForm->hide();

    // F1 typed into the editor's level box reaches the editor and changes
    // neither the box nor the item in hand.
    editorForm->show();
    editorForm->LevelCount->setText(QStringLiteral("7"));
    const int32_t item = editorForm->EditorItem;
    QTest::keyClick(editorForm->LevelCount, Qt::Key_F1);
    EXPECT_TRUE(editorForm->Help->isVisible());
    EXPECT_EQ(editorForm->LevelCount->text(), QStringLiteral("7"));
    EXPECT_EQ(editorForm->EditorItem, item);
    QTest::keyClick(editorForm->Help, Qt::Key_Escape);
    EXPECT_TRUE(editorForm->isVisible()) << "Esc in the help does not reach the editor";
}

TEST_F(HelpTest, EveryItemOfTheEditorIsExplainedWithItsPicture) {
    for (const EditorItemInfo& item : editorItems()) {
        if (item.code == Empty) continue;
        SCOPED_TRACE(item.name);
        EXPECT_NE(gameHelp()->tilePicture(item.code), nullptr);
        int lines = 0;
        for (const HelpTile& tile : helpTiles())
            if (tile.code == item.code) {
                ++lines;
                EXPECT_FALSE(tile.line.isEmpty());
            }
        EXPECT_EQ(lines, 1);
    }
}

TEST_F(HelpTest, TilePicturesAreCutFromTheSpriteSheet) {
    // The generated sheet: a colour of its own for every picture.
    Bitmap sheet = test::makeTestSpriteSheet();
    const QRgb falseKirpColour = qRgb(90, 30, 160);
    sheet.fillRect(sprites::tile(FalseKirpSlot), falseKirpColour);
    ctx().pictures.SpriteSheet = sheet;

    // The centre of the picture and its last pixel, over which a 19-pixel
    // picture is stretched.
    auto expected = [&](int32_t code) -> std::pair<QRgb, QRgb> {
        switch (code) {
            case FalseKirp: return {falseKirpColour, falseKirpColour};  // the editor's own, not the brick
            case OutDoor: return {test::frameColour(kExitDoorStates.first), test::frameColour(kExitDoorStates.first)};
            case Man:
            case Shets: return {test::kFigureColour, qRgb(0, 0, 0)};  // black around the figure
            default: return {test::tileColour(code), test::tileColour(code)};
        }
    };
    HelpWindow* help = menuForm->Help;
    help->popUp();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    for (const HelpTile& tile : helpTiles()) {
        SCOPED_TRACE(tile.code);
        const auto [centre, corner] = expected(tile.code);
        EXPECT_EQ(shownPixel(help, tile.code, {10, 10}), centre);
        EXPECT_EQ(shownPixel(help, tile.code, {19, 19}), corner);
    }

    // A sheet loaded later is cut anew at the next opening.
    help->hide();
    sheet.fillRect(*sprites::staticTile(Klad), qRgb(1, 2, 3));
    ctx().pictures.SpriteSheet = sheet;
    help->popUp();
    EXPECT_EQ(shownPixel(help, Klad, {10, 10}), qRgb(1, 2, 3));
}

// With the game's own pictures: everything fits the window without
// scrolling, and a screenshot is kept for people to look at.
TEST_F(HelpTest, TheHelpFitsItsWindowWithTheGamesPictures) {
    Bitmap sheet;
    sheet.loadFromFile(QStringLiteral(TAMB_GAMEDATA_DIR "/graphics/sprites.bmp"));
    ctx().pictures.SpriteSheet = sheet;
    HelpWindow* help = gameHelp();
    mainForm->showHelp();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    EXPECT_EQ(help->size(), QSize(642, 482));
    EXPECT_EQ(help->scrollArea()->verticalScrollBar()->maximum(), 0) << "the page must not need scrolling";
    for (QLabel* label : help->findChildren<QLabel*>())
        EXPECT_TRUE(help->rect().contains(QRect(label->mapTo(help, QPoint(0, 0)), label->size()))) << label->text().toStdString();
    // The man as the sheet has him, pixel for pixel.
    const auto man = std::find_if(helpTiles().begin(), helpTiles().end(),
                                  [](const HelpTile& t) { return t.code == Man; });
    ASSERT_NE(man, helpTiles().end());
    const QImage shot = help->grab().toImage();
    const QPoint at = help->tilePicture(Man)->mapTo(help, QPoint(0, 0));
    for (int y = 0; y < man->picture.height(); ++y)
        for (int x = 0; x < man->picture.width(); ++x)
            ASSERT_EQ(shot.pixel(at + QPoint(x, y)), sheet.pixel(man->picture.left() + x, man->picture.top() + y))
                << x << "," << y;
    EXPECT_TRUE(help->grab().save(test::screenshotPath(QStringLiteral("help_window.png"))));
}

}  // namespace
}  // namespace tamb
