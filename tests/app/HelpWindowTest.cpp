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

// Whatever the game was doing when F1 came, the help holds it in a pause
// that only it set, and closing the help gives the keys back as they were.
TEST_F(HelpTest, TheGameWaitsUnderTheHelpInEveryStateItCanBeIn) {
    startGame();
    const GameLevel level = decodeGameLevel(TextLines::toBytes(test::simpleLevel().lines()));
    struct Case {
        const char* name;
        std::function<void()> before;  // what the game is doing when F1 comes
        std::function<void()> under;   // what happens while the help is open
        Command whileOpen, after;
    } cases[] = {
        {"walking", [&] { QTest::keyPress(mainForm, Qt::Key_Right); },
         [&] {  // keys go to the help: the man neither moves nor burns, Esc costs no life
             QTest::keyClick(gameHelp(), Qt::Key_Left);
             QTest::keyClick(gameHelp(), Qt::Key_Control);
         },
         Command::Pause, Command::Stop},
        {"paused by the player", [&] { QTest::keyClick(mainForm, Qt::Key_P); }, {}, Command::Pause, Command::Pause},
        {"ended (exit written)", [&] { ctx().state.Command = Command::Exit; }, {}, Command::Exit, Command::Exit},
        {"a new level begins under it", [&] { mainForm->SetLevel(); }, [&] { mainForm->SetLevel(); }, Command::Pause,
         Command::Stop},
        {"showing the way (F1 ends the show as any key)", [&] { mainForm->playRoute(level, 1, {{1, Command::Right}}); },
         [&] {
             EXPECT_FALSE(mainForm->routeShowing());
             EXPECT_FALSE(mainForm->ManThread.isNull()) << "the level begins for the player";
         },
         Command::Pause, Command::Stop},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.before();
        QTest::keyClick(mainForm, Qt::Key_F1);
        ASSERT_TRUE(gameHelp()->isVisible());
        if (c.under) c.under();
        EXPECT_EQ(command(), c.whileOpen);
        EXPECT_EQ(pauseShown(), c.whileOpen == Command::Pause);
        QTest::keyClick(gameHelp(), Qt::Key_Escape);
        EXPECT_FALSE(gameHelp()->isVisible());
        EXPECT_EQ(command(), c.after);
        EXPECT_EQ(ctx().state.Lives, 3);
        // The keys are the game's again.
        if (c.after == Command::Pause) QTest::keyClick(mainForm, Qt::Key_P);
        QTest::keyPress(mainForm, Qt::Key_Left);
        if (c.after != Command::Exit) EXPECT_EQ(command(), Command::Left);
        QTest::keyRelease(mainForm, Qt::Key_Left);
        mainForm->SetLevel();
    }
}

TEST_F(HelpTest, ARouteFoundWhileTheHelpIsOpenIsShownWhenItCloses) {
    // A level without a route file: the finder looks while the player plays.
    test::writeLevel(dir.path(), 1, test::corridorLevel());
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
    // Every item the editor offers, with one line of its own.
    for (const EditorItemInfo& item : editorItems()) {
        if (item.code == Empty) continue;
        SCOPED_TRACE(item.name);
        const auto lines = std::count_if(helpTiles().begin(), helpTiles().end(),
                                         [&](const HelpTile& t) { return t.code == item.code && !t.line.isEmpty(); });
        EXPECT_EQ(lines, 1);
        const auto [centre, corner] = expected(item.code);
        EXPECT_EQ(shownPixel(help, item.code, {10, 10}), centre);
        EXPECT_EQ(shownPixel(help, item.code, {19, 19}), corner);
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
    const QImage shot = help->grab().toImage();
    const QRect man = sprites::figureFrame(1, kManStandStrip);
    const QPoint at = help->tilePicture(Man)->mapTo(help, QPoint(0, 0));
    EXPECT_EQ(shot.copy(QRect(at, man.size())), sheet.image().copy(man).convertToFormat(shot.format()));
    EXPECT_TRUE(help->grab().save(test::screenshotPath(QStringLiteral("help_window.png"))));
}

}  // namespace
}  // namespace tamb
