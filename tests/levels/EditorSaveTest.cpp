// Saving from the editor: its checks, its questions and the file it leaves.
#include "EditorFixture.h"

using namespace tamb;
using namespace tamb::test;

namespace {
const QString kCompile = QStringLiteral("Ошибка компиляции уровня");
}

TEST_F(EditorTest, DrawnLevelIsSavedAndReadByTheGame) {
    ASSERT_EQ(open(QStringLiteral("7")), QStringList{QStringLiteral("Уровень \"level7\" не найден.")});
    paintValidLevel();
    paint(9, 12, Shets);  // painted after the first devil but lower: comes second
    paint(5, 5, Stairs);
    paint(6, 5, Roupe);
    paint(7, 5, FalseKirp);
    paint(8, 5, Water);
    EXPECT_FALSE(editor->LevelSaved);

    click(editor->SaveLevel);
    ASSERT_EQ(messages.size(), 1u) << texts().join('\n').toStdString();
    EXPECT_EQ(messages[0].caption, QStringLiteral("Запись завершена"));
    EXPECT_EQ(messages[0].text, QStringLiteral("Уровень \"level7\" успешно сохранен."));
    EXPECT_TRUE(editor->LevelSaved);
    EXPECT_EQ(editor->EditorProgress->value(), 700);

    QFile f(levelPath("7"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.size(), 22 * 66 + 4 * 6 + 4 * 2 + 2);
    const QStringList lines = TextLines::read(levelPath("7"));
    EXPECT_EQ(lines, dataForm->EditorListBox);
    std::vector<std::string> std;
    for (const QString& l : lines) std.push_back(l.toStdString());
    const GameLevel level = decodeGameLevel(std);
    EXPECT_EQ(level.man, (CellPos{1, 20}));
    EXPECT_EQ(level.manDoor, (CellPos{2, 20}));
    EXPECT_EQ(level.shetsDoor, (CellPos{20, 1}));
    EXPECT_EQ(level.outDoor, (CellPos{30, 20}));
    ASSERT_EQ(level.shets.size(), 2u);
    EXPECT_EQ(level.shets[0], (CellPos{21, 1}));
    EXPECT_EQ(level.shets[1], (CellPos{9, 12}));
    EXPECT_EQ(level.cells[3 * 32 + 3], Klad);
    EXPECT_EQ(level.cells[5 * 32 + 5], Stairs);
    EXPECT_EQ(level.cells[5 * 32 + 6], Roupe);
    EXPECT_EQ(level.cells[5 * 32 + 7], FalseKirp);
    EXPECT_EQ(level.cells[5 * 32 + 8], Water);
    EXPECT_EQ(level.cells[20 * 32 + 1], Empty);  // the man's cell
    for (int c = 0; c < 32; ++c) EXPECT_EQ(level.cells[21 * 32 + c], SuperKirp);
}

TEST_F(EditorTest, SecondManIsReportedAndBothStayOnScreen) {
    open();
    paintValidLevel();
    paint(10, 4, Man);
    paint(10, 2, Man);
    // The first man stays where he was painted; all three are shown.
    for (auto [c, r] : {std::pair{1, 20}, {10, 4}, {10, 2}}) {
        EXPECT_EQ(cell(c, r), Man);
        EXPECT_EQ(pixelOf(c, r), itemColour(Man));
    }
    click(editor->SaveLevel);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, kCompile);
    EXPECT_EQ(messages[0].tone, MessageBoxes::Tone::Warning);
    EXPECT_EQ(messages[0].text, QStringLiteral("На уровне может присутствовать только один человек. Уберите лишних."));
    // Found at the second man in scan order: (10, 4), after (10, 2).
    EXPECT_EQ(editor->EditorProgress->value(), 4 * 32 + 10 + 1);
    EXPECT_EQ(dataForm->EditorListBox.at(22), QStringLiteral("1002"));
    EXPECT_FALSE(QFile::exists(levelPath("1")));
    EXPECT_FALSE(editor->LevelSaved);
}

TEST_F(EditorTest, DuplicatesAreFoundBeforeMissingObjects) {
    open();
    paint(4, 4, OutDoor);
    paint(8, 8, OutDoor);
    click(editor->SaveLevel);
    EXPECT_EQ(texts(), QStringList{QStringLiteral("На уровне может быть только одна дверь для выхода. Уберите лишних.")});

    messages.clear();
    click(editor->ClearLevel);
    paint(4, 4, OutDoor);  // no treasure and no man: only the treasure is reported
    click(editor->SaveLevel);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, kCompile);
    EXPECT_EQ(messages[0].text, QStringLiteral("На уровне нет ни одного клада."));
    EXPECT_EQ(messages[0].buttons, MessageBoxes::Buttons::Ok);
    EXPECT_FALSE(QFile::exists(levelPath("1")));
}

TEST_F(EditorTest, MissingObjectsInTheirOrder) {
    open();
    const std::vector<std::pair<int32_t, QString>> steps = {
        {Klad, QStringLiteral("На уровне нет двери для выхода человека.")},
        {OutDoor, QStringLiteral("На уровне нет человека.")},
        {Man, QStringLiteral("На уровне нет двери для человека.")},
        {ManDoor, QStringLiteral("На уровне нет двери для чертей.")},
        {ShetsDoor, QStringLiteral("На уровне нет ни одного черта.")},
    };
    int col = 1;
    for (const auto& [code, expected] : steps) {
        paint(col++, 10, code);
        messages.clear();
        click(editor->SaveLevel);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, expected);
    }
    EXPECT_FALSE(QFile::exists(levelPath("1")));
}

TEST_F(EditorTest, SixteenDevilsAreRefused) {
    open();
    paintValidLevel();
    for (int c = 1; c <= 15; ++c) paint(c, 8, Shets);
    click(editor->SaveLevel);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, kCompile);
    EXPECT_EQ(messages[0].text, QStringLiteral("На уровне может быть не больше 15 чертей. Уберите лишних."));
    EXPECT_FALSE(QFile::exists(levelPath("1")));

    messages.clear();
    paint(15, 8, Empty);  // fifteen are fine
    click(editor->SaveLevel);
    EXPECT_EQ(texts(), QStringList{QStringLiteral("Уровень \"level1\" успешно сохранен.")});
}

TEST_F(EditorTest, OverwriteAskedCancelWritesNothingOkReplaces) {
    writeLevel("4", {"old"});
    open(QStringLiteral("4"));  // a bad file: reported, the editor stays usable
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("level4"))) << errors[0].toStdString();
    EXPECT_TRUE(errors[0].contains(QStringLiteral("line 1"))) << errors[0].toStdString();
    paintValidLevel();
    answers = {false};
    click(editor->SaveLevel);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, QStringLiteral("Внимание"));
    EXPECT_EQ(messages[0].text, QStringLiteral("Уровень \"level4\" существует. Перезаписать его?"));
    EXPECT_EQ(messages[0].buttons, MessageBoxes::Buttons::OkCancel);
    EXPECT_EQ(messages[0].tone, MessageBoxes::Tone::Warning);
    EXPECT_EQ(TextLines::read(levelPath("4")), QStringList{"old"});
    EXPECT_FALSE(editor->LevelSaved);

    messages.clear();
    answers = {true};
    click(editor->SaveLevel);
    EXPECT_EQ(texts(), (QStringList{QStringLiteral("Уровень \"level4\" существует. Перезаписать его?"),
                                    QStringLiteral("Уровень \"level4\" успешно сохранен.")}));
    EXPECT_EQ(TextLines::read(levelPath("4")).size(), 27);
    EXPECT_TRUE(editor->LevelSaved);
}

// A level that came with the game (its route beside it) is named as the
// campaign's before the usual question; Cancel on either writes nothing.
TEST_F(EditorTest, SavingOverACampaignLevelAsksFirst) {
    const QString campaign = QStringLiteral("Уровень \"level4\" входит в кампанию игры. Заменить его своим уровнем?");
    const QString exists = QStringLiteral("Уровень \"level4\" существует. Перезаписать его?");
    writeLevel("4", {"old"});
    QDir(dir.path()).mkpath(QStringLiteral("levels/routes"));
    TextLines::write(dir.path() + QStringLiteral("/levels/routes/level4.route"), {QStringLiteral("1 right")});
    open(QStringLiteral("4"));
    paintValidLevel();
    struct Case {
        std::deque<bool> answers;
        QStringList asked;
        bool written;
    } cases[] = {
        {{false}, {campaign}, false},
        {{true, false}, {campaign, exists}, false},
        {{true, true}, {campaign, exists, QStringLiteral("Уровень \"level4\" успешно сохранен.")}, true},
    };
    for (const Case& c : cases) {
        messages.clear();
        answers = c.answers;
        click(editor->SaveLevel);
        EXPECT_EQ(texts(), c.asked);
        EXPECT_EQ(TextLines::read(levelPath("4")).size() == 27, c.written) << c.asked.size();
    }
    // A level of the player's own, with no route, is asked about as before.
    messages.clear();
    answers = {true};
    editor->LevelCount->setText(QStringLiteral("5"));
    writeLevel("5", {"old"});
    click(editor->SaveLevel);
    EXPECT_EQ(texts().value(0), QStringLiteral("Уровень \"level5\" существует. Перезаписать его?"));
}

TEST_F(EditorTest, FailedWriteShowsTheErrorAndNoSavedMessage) {
    open();
    paintValidLevel();
    ASSERT_TRUE(QDir(dir.filePath("levels")).removeRecursively());
    click(editor->SaveLevel);
    EXPECT_TRUE(messages.empty()) << texts().join('\n').toStdString();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("level1"))) << errors[0].toStdString();
    EXPECT_FALSE(editor->LevelSaved);
    EXPECT_TRUE(editor->isVisible());
}

TEST_F(EditorTest, PathLikeLevelNumbersAreRefused) {
    writeLevel("1", {"x"});
    open();
    errors.clear();
    paintValidLevel();
    for (const QString& name : {QStringLiteral("../x"), QStringLiteral("a/b"), QStringLiteral("a\\b"),
                                QStringLiteral(".."), QString()}) {
        editor->LevelCount->setText(name);
        for (QAbstractButton* b : {static_cast<QAbstractButton*>(editor->SaveLevel),
                                   static_cast<QAbstractButton*>(editor->LoadLevel)}) {
            messages.clear();
            click(b);
            ASSERT_EQ(messages.size(), 1u) << name.toStdString();
            EXPECT_EQ(messages[0].caption, QStringLiteral("Ошибка"));
            EXPECT_TRUE(messages[0].text.contains(QStringLiteral("Недопустимый номер уровня"))) << name.toStdString();
        }
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("x")));
    EXPECT_EQ(QDir(dir.filePath("levels")).entryList(QDir::Files), QStringList{"level1"});
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(cell(1, 20), Man);  // a refused load leaves the grid alone
}
