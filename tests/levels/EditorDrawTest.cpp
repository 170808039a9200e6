// Drawing in the editor, loading, clearing and leaving it.
#include <QWindow>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QToolButton>

#include "EditorFixture.h"
#include "UpDown.h"

using namespace tamb;
using namespace tamb::test;

namespace {

// A small level in the file format, with the man under his door.
std::vector<std::string> manUnderDoorLevel() {
    std::vector<std::string> lines(22, std::string(64, '0'));
    lines[21] = "";
    for (int c = 0; c < 32; ++c) lines[21] += "23";
    lines[5].replace(2 * 4, 2, "01");   // treasure at (4, 5)
    lines[6].replace(2 * 7, 2, "04");   // pointer right at (7, 6)
    lines[6].replace(2 * 8, 2, "15");   // a code the game does not know
    lines.push_back("1020");      // man
    lines.push_back("05050606");  // devils
    lines.push_back("1020");      // man door on the man
    lines.push_back("2020");      // devil door
    lines.push_back("3120");      // exit door
    return lines;
}

}  // namespace

TEST_F(EditorTest, OpeningShowsTheConfiguredLevel) {
    writeLevel("3", manUnderDoorLevel());
    EXPECT_TRUE(open(QStringLiteral("3")).isEmpty());
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    EXPECT_EQ(editor->LevelCount->text(), QStringLiteral("3"));
    EXPECT_EQ(dataForm->EditorListBox.size(), 27);
    EXPECT_EQ(editor->EditorProgress->value(), 700);
    EXPECT_EQ(editor->PosXLabel->text(), QStringLiteral("X: 31"));
    EXPECT_EQ(editor->PosYLabel->text(), QStringLiteral("Y: 31"));
    EXPECT_TRUE(editor->ItemKlad->isChecked());

    // Only the man's door is in the shared cell, and only it is drawn.
    EXPECT_EQ(cell(10, 20), ManDoor);
    EXPECT_EQ(pixelOf(10, 20), itemColour(ManDoor));
    EXPECT_EQ(cell(5, 5), Shets);
    EXPECT_EQ(pixelOf(6, 6), itemColour(Shets));
    EXPECT_EQ(pixelOf(4, 5), itemColour(Klad));
    EXPECT_EQ(pixelOf(7, 6), itemColour(ToRight));
    EXPECT_EQ(pixelOf(31, 20), itemColour(OutDoor));
    EXPECT_EQ(pixelOf(0, 21), itemColour(SuperKirp));
    EXPECT_EQ(pixelOf(0, 0), qRgb(0, 0, 0));
    // The unknown code is kept and marked.
    EXPECT_EQ(cell(8, 6), 15);
    EXPECT_EQ(editor->EditorImage->bitmap().pixel(8 * 20, 6 * 20), qRgb(255, 0, 255));

    // What the screen shows is what the canvas holds.
    const QImage shot = editor->grab().toImage();
    EXPECT_EQ(shot.pixel(4 * 20 + 10, 5 * 20 + 10), itemColour(Klad));

    // The level lacks its man: saving says so.
    click(editor->SaveLevel);
    EXPECT_EQ(texts(), QStringList{QStringLiteral("На уровне нет человека.")});
}

TEST_F(EditorTest, MissingLevelAtOpeningEmptiesTheGridAndExitDoesNotAsk) {
    writeLevel("3", manUnderDoorLevel());
    open(QStringLiteral("3"));
    editor->hide();
    EXPECT_EQ(open(QStringLiteral("12")), QStringList{QStringLiteral("Уровень \"level12\" не найден.")});
    for (int32_t c : editor->EditorCells) ASSERT_EQ(c, Empty);
    EXPECT_EQ(pixelOf(10, 20), qRgb(0, 0, 0));
    messages.clear();
    click(editor->ExitButton);
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(TextLines::read(dir.filePath("tamb.cfg")).value(0), QStringLiteral("12"));
}

TEST_F(EditorTest, LettersInTheLevelBoxNameTheFile) {
    open();
    messages.clear();
    QTest::mouseClick(editor->LevelCount, Qt::LeftButton);
    editor->LevelCount->selectAll();
    QTest::keyClicks(editor->LevelCount, QStringLiteral("abc"));
    click(editor->LoadLevel);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, QStringLiteral("Ошибка"));
    EXPECT_EQ(messages[0].tone, MessageBoxes::Tone::Warning);
    EXPECT_EQ(messages[0].text, QStringLiteral("Уровень \"levelabc\" не найден."));
    click(editor->ExitButton);
    EXPECT_EQ(dataForm->LB1.at(0), QStringLiteral("abc"));
    const QStringList config = TextLines::read(dir.filePath("tamb.cfg"));
    EXPECT_EQ(config.size(), 11);
    EXPECT_EQ(config.value(0), QStringLiteral("abc"));
    EXPECT_EQ(config.value(1), QStringLiteral("100"));
}

TEST_F(EditorTest, ClearAfterSaveThenExitLeavesWithoutAsking) {
    open();
    paintValidLevel();
    click(editor->SaveLevel);
    ASSERT_TRUE(editor->LevelSaved);
    messages.clear();
    click(editor->ClearLevel);
    for (int32_t c : editor->EditorCells) ASSERT_EQ(c, Empty);
    EXPECT_EQ(pixelOf(3, 3), qRgb(0, 0, 0));
    click(editor->ExitButton);
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(editor->isVisible());
}

TEST_F(EditorTest, UnsavedExitAsksAndCancelStays) {
    open();
    paint(5, 5, Kirp);
    messages.clear();
    answers = {false};
    click(editor->ExitButton);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, QStringLiteral("Уровень не сохранен"));
    EXPECT_EQ(messages[0].text, QStringLiteral("Нажмите ОК для выхода без записи уровня."));
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(QFile::exists(dir.filePath("tamb.cfg")));  // written before the question
    answers = {true};
    click(editor->ExitButton);
    EXPECT_FALSE(editor->isVisible());
}

// Leaving the editor always works, and the window system's close is no way
// around its question.
TEST_F(EditorTest, EveryWayOutOfTheEditorAsksAndNoneIsATrap) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("tamb.cfg")));  // the level number cannot be written
    open();
    click(editor->ExitButton);
    EXPECT_FALSE(editor->isVisible()) << "a failed write must not keep the player in";
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("tamb.cfg"))) << errors[0].toStdString();

    open();
    paint(5, 5, Kirp);
    messages.clear();
    answers = {false};
    editor->close();  // as a window manager's close button does
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, QStringLiteral("Уровень не сохранен"));
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(cell(5, 5), Kirp);
    answers = {true};
    editor->close();
    EXPECT_FALSE(editor->isVisible());
}

TEST_F(EditorTest, PreviewFollowsThePointerAndPaintingKeepsIt) {
    open();
    pick(Kirp);
    QTest::mouseMove(editor->EditorImage, QPoint(45, 65));  // cell (2, 3)
    EXPECT_EQ(editor->PosXLabel->text(), QStringLiteral("X: 2"));
    EXPECT_EQ(editor->PosYLabel->text(), QStringLiteral("Y: 3"));
    EXPECT_EQ(pixelOf(2, 3), itemColour(Kirp));
    EXPECT_EQ(cell(2, 3), Empty);  // only a preview

    // Inside one cell nothing changes.
    editor->PosXLabel->setText(QStringLiteral("mark"));
    QTest::mouseMove(editor->EditorImage, QPoint(58, 78));
    EXPECT_EQ(editor->PosXLabel->text(), QStringLiteral("mark"));

    // Another item shows at once.
    pick(Water);
    EXPECT_EQ(pixelOf(2, 3), itemColour(Water));

    // Leaving an unpainted cell gives it its picture back.
    QTest::mouseMove(editor->EditorImage, QPoint(85, 65));
    EXPECT_EQ(pixelOf(2, 3), qRgb(0, 0, 0));
    EXPECT_EQ(pixelOf(4, 3), itemColour(Water));

    // A painted cell keeps its picture when the pointer moves on.
    QTest::mouseClick(editor->EditorImage, Qt::LeftButton, {}, QPoint(85, 65));
    EXPECT_EQ(cell(4, 3), Water);
    EXPECT_FALSE(editor->LevelSaved);
    QTest::mouseMove(editor->EditorImage, QPoint(200, 200));
    EXPECT_EQ(pixelOf(4, 3), itemColour(Water));
}

TEST_F(EditorTest, DraggingPaintsEveryCellItPasses) {
    open();
    pick(Balka);
    QTest::mouseMove(editor->EditorImage, centre(2, 2));
    QTest::mousePress(editor->EditorImage, Qt::LeftButton, {}, centre(2, 2));
    QTest::mouseMove(editor->EditorImage, centre(2, 2) + QPoint(1, 1));  // a hand never holds still
    for (int c = 3; c <= 6; ++c) QTest::mouseMove(editor->EditorImage, centre(c, 2));
    QTest::mouseMove(editor->EditorImage, centre(6, 4));  // skips row 3: a fast move
    QTest::mouseRelease(editor->EditorImage, Qt::LeftButton, {}, centre(6, 4));
    for (int c = 2; c <= 6; ++c) EXPECT_EQ(cell(c, 2), Balka) << c;
    EXPECT_EQ(cell(6, 3), Empty);
    EXPECT_EQ(cell(6, 4), Balka);
    QTest::mouseMove(editor->EditorImage, centre(10, 10));
    EXPECT_EQ(cell(10, 10), Empty);  // released: no more painting
    for (int c = 2; c <= 6; ++c) EXPECT_EQ(pixelOf(c, 2), itemColour(Balka)) << c;
    EXPECT_EQ(pixelOf(6, 3), qRgb(0, 0, 0));
}

TEST_F(EditorTest, DraggingOffTheImageWritesNothingOutsideTheGrid) {
    open();
    pick(Kirp);
    const EditorGrid before = editor->EditorCells;
    QTest::mouseMove(editor->EditorImage, centre(1, 1));
    QTest::mousePress(editor->EditorImage, Qt::LeftButton, {}, centre(1, 1));
    // Positions a held button delivers off the image; -5 would truncate to
    // column 0, 645 to column 32.
    for (QPoint p : {QPoint(-5, 30), QPoint(-30, -30), QPoint(645, 30), QPoint(300, 445), QPoint(900, 900)}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(p), editor->EditorImage->mapToGlobal(QPointF(p)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(editor->EditorImage, &move);
    }
    QTest::mouseRelease(editor->EditorImage, Qt::LeftButton, {}, QPoint(-5, 30));
    EXPECT_EQ(editor->EditorCells, before);
    EXPECT_FALSE(editor->Painting);
    EXPECT_EQ(editor->PosXLabel->text(), QStringLiteral("X: 1"));
    EXPECT_EQ(pixelOf(0, 1), qRgb(0, 0, 0));
}

TEST_F(EditorTest, ItemButtonsFormOneGroupWithHintsAndPictures) {
    open();
    int checked = 0;
    for (QAbstractButton* b : editor->ItemGroup->buttons()) checked += b->isChecked() ? 1 : 0;
    EXPECT_EQ(checked, 1);
    click(editor->ItemKlad);  // the button that is down stays down
    EXPECT_TRUE(editor->ItemKlad->isChecked());
    click(editor->ItemGum);
    EXPECT_FALSE(editor->ItemKlad->isChecked());
    EXPECT_EQ(editor->ItemGum->toolTip(), QStringLiteral("Жвачка"));
    EXPECT_EQ(editor->ItemBalka->toolTip(), QStringLiteral("Битонная балка"));
    EXPECT_EQ(editor->ItemOutDoor->geometry(), QRect(320, 20, 33, 20));
    EXPECT_EQ(editor->ItemMan->geometry(), QRect(64, -1, 33, 20));
    EXPECT_TRUE(editor->ItemEmpty->icon().isNull());
    const QImage manPicture = editor->ItemMan->icon().pixmap(20, 20).toImage();
    EXPECT_EQ(manPicture.pixel(10, 10), itemColour(Man));
    EXPECT_EQ(editor->WorkingPanel->geometry(), QRect(0, 440, 640, 40));
    EXPECT_EQ(editor->EditorImage->geometry(), QRect(0, 0, 640, 440));
}

TEST_F(EditorTest, ArrowsStepTheLevelNumberWithinOneToHundred) {
    open();
    messages.clear();
    click(editor->UpDown1->downButton());
    EXPECT_EQ(editor->LevelCount->text(), QStringLiteral("1"));
    click(editor->UpDown1->upButton());
    EXPECT_EQ(editor->LevelCount->text(), QStringLiteral("2"));
    editor->LevelCount->setText(QStringLiteral("100"));
    click(editor->UpDown1->upButton());
    EXPECT_EQ(editor->LevelCount->text(), QStringLiteral("100"));
    editor->LevelCount->setText(QStringLiteral("abc"));  // no number: the last position
    click(editor->UpDown1->downButton());
    EXPECT_EQ(editor->LevelCount->text(), QStringLiteral("99"));
}

TEST_F(EditorTest, ScreenshotOfALoadedLevel) {
    const QString art = QStringLiteral(TAMB_GAMEDATA_DIR "/graphics/sprites.bmp");
    if (QFile::exists(art)) ctx().pictures.SpriteSheet.loadFromFile(art);
    writeLevel("3", manUnderDoorLevel());
    open(QStringLiteral("3"));
    pick(Man);
    QTest::mouseMove(editor->EditorImage, centre(16, 10));
    const QImage shot = editor->grab().toImage();
    EXPECT_EQ(shot.size(), QSize(642, 482));
    // The preview and the black background come through the real painting.
    EXPECT_EQ(shot.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(shot.pixel(16 * 20 + 10, 10 * 20 + 10), ctx().pictures.SpriteSheet.pixel(10, 10));
    const QString out = screenshotPath(QStringLiteral("editor.png"));
    EXPECT_TRUE(shot.save(out));
}

TEST_F(EditorTest, LoadReplacesTheDrawingWithoutAStalePreview) {
    writeLevel("3", manUnderDoorLevel());
    open();
    pick(Kirp);
    QTest::mouseMove(editor->EditorImage, centre(0, 0) + QPoint(25, 0));  // preview in (1, 0)
    QTest::mouseClick(editor->EditorImage, Qt::LeftButton, {}, centre(1, 0));
    QTest::mouseMove(editor->EditorImage, centre(4, 5));  // preview over the treasure's cell
    ASSERT_FALSE(editor->LevelSaved);
    editor->LevelCount->setText(QStringLiteral("3"));
    click(editor->LoadLevel);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(editor->LevelSaved);
    EXPECT_EQ(cell(1, 0), Empty);
    EXPECT_EQ(pixelOf(1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(pixelOf(4, 5), itemColour(Klad));
    // Moving on restores the top-left cell from a fresh copy, not from
    // the picture before the load.
    QTest::mouseMove(editor->EditorImage, centre(12, 12));
    EXPECT_EQ(pixelOf(4, 5), itemColour(Klad));
    EXPECT_EQ(pixelOf(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(pixelOf(12, 12), itemColour(Kirp));
}

TEST_F(EditorTest, MalformedFileKeepsTheRowsReadAndReportsTheLine) {
    open();
    paint(6, 15, Gum);
    auto lines = manUnderDoorLevel();
    lines[0] = std::string(64, '2');  // code 22 all along
    lines[1] = "2222x2";
    writeLevel("5", lines);
    editor->LevelCount->setText(QStringLiteral("5"));
    click(editor->LoadLevel);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("\"level5\""))) << errors[0].toStdString();
    EXPECT_TRUE(errors[0].contains(QStringLiteral("line 2"))) << errors[0].toStdString();
    EXPECT_TRUE(errors[0].contains(QStringLiteral("position 5"))) << errors[0].toStdString();
    EXPECT_TRUE(editor->LevelSaved);
    EXPECT_EQ(cell(31, 0), Kirp);
    EXPECT_EQ(cell(1, 1), Kirp);   // read before the bad field
    EXPECT_EQ(cell(6, 15), Gum);   // never reached
    // The picture shows the grid as it stands.
    EXPECT_EQ(pixelOf(31, 0), itemColour(Kirp));
    EXPECT_EQ(pixelOf(6, 15), itemColour(Gum));
    EXPECT_EQ(pixelOf(2, 1), qRgb(0, 0, 0));
}

TEST_F(EditorTest, ClearAddsToTheGaugeAndKeepsTheRest) {
    open();
    paint(3, 3, Klad);
    paint(4, 4, Man);
    paint(5, 4, Man);
    click(editor->SaveLevel);  // stops at the second man
    ASSERT_EQ(editor->EditorProgress->value(), 4 * 32 + 5 + 1);
    click(editor->ClearLevel);
    EXPECT_EQ(editor->EditorProgress->value(), 700);
    EXPECT_FALSE(editor->LevelSaved);
    EXPECT_TRUE(editor->ItemMan->isChecked());
    for (int32_t c : editor->EditorCells) ASSERT_EQ(c, Empty);
}

TEST_F(EditorTest, EscapeDoesNotLeave) {
    open();
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_TRUE(editor->isVisible());
}
