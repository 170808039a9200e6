// The editor's check of the level as drawn: the route finder on its own
// thread, answered by a message box; stopped by the button, Esc, the exit
// and the end of the program.
#include <QKeyEvent>
#include <QSignalSpy>

#include "EditorFixture.h"
#include "EditorRouteCheck.h"
#include "TextLines.h"

using namespace tamb;
using namespace tamb::test;

namespace {

const QString kCheck = QStringLiteral("Проверка уровня");

class EditorCheckTest : public EditorTest {
protected:
    // Paints a map from the top-left cell: S rock, # brick, M man, m man
    // door, $ treasure, X exit door, D devil, d devil door.
    void paintMap(const std::vector<std::string>& map) {
        static const std::pair<char, int32_t> codes[] = {{'S', SuperKirp}, {'#', Kirp},    {'M', Man},
                                                         {'m', ManDoor},   {'$', Klad},    {'X', OutDoor},
                                                         {'D', Shets},     {'d', ShetsDoor}};
        for (std::size_t row = 0; row < map.size(); ++row)
            for (std::size_t col = 0; col < map[row].size(); ++col)
                for (const auto& [ch, code] : codes)
                    if (map[row][col] == ch) paint(static_cast<int>(col), static_cast<int>(row), code);
    }

    // The devil is shut in a box of its own below the man's corridor.
    void paintLevel(const std::string& corridor) {
        paintMap({std::string(corridor.size(), 'S'), corridor, std::string(corridor.size(), 'S'), "", "SSSS",
                  "SdDS", "SSSS"});
    }

    bool answered() { return QTest::qWaitFor([this] { return !messages.empty(); }, 60000); }
    bool running() const { return editor->RouteCheck->running(); }
};

// The answer for a level the finder settles quickly, for either way of
// asking: the button and F5.
TEST_F(EditorCheckTest, PassableAndImpassableLevelsAreAnswered) {
    struct Case {
        const char* corridor;
        bool byKey;
        QString answer;
    } cases[] = {
        {"SMm  $   XS", false, QStringLiteral("Уровень проходим. Показать путь?")},
        {"SMm  S$S XS", true, QStringLiteral("Уровень непроходим.")},
    };
    for (const Case& c : cases) {
        open();
        click(editor->ClearLevel);
        paintLevel(c.corridor);
        messages.clear();
        answers = {false};  // not watching
        if (c.byKey)
            QTest::keyClick(editor, Qt::Key_F5);
        else
            click(editor->CheckLevel);
        EXPECT_TRUE(running()) << c.corridor;
        EXPECT_EQ(editor->CheckLevel->toolTip(), QStringLiteral("Отмена"));
        ASSERT_TRUE(answered()) << c.corridor;
        ASSERT_EQ(messages.size(), 1u) << texts().join('\n').toStdString();
        EXPECT_EQ(messages[0].caption, kCheck);
        EXPECT_EQ(messages[0].text, c.answer) << c.corridor;
        EXPECT_EQ(messages[0].buttons, c.answer.endsWith('?') ? MessageBoxes::Buttons::OkCancel : MessageBoxes::Buttons::Ok);
        EXPECT_FALSE(running());
        EXPECT_EQ(editor->CheckLevel->toolTip(), QStringLiteral("Проверить уровень (F5)"));
        EXPECT_EQ(editor->EditorProgress->value(), 0);
        EXPECT_FALSE(editor->LevelSaved) << "a check saves nothing";
        EXPECT_FALSE(QFile::exists(levelPath("1")));
        editor->LevelSaved = true;
        editor->hide();
    }
}

// With someone to show it, a found route is offered; only OK hands it over,
// with the level as it was drawn.
TEST_F(EditorCheckTest, TheFoundRouteIsOfferedAndHandedOverOnOk) {
    std::vector<std::pair<GameLevel, std::vector<ScriptEntry>>> shown;
    QObject::connect(editor, &TEditorForm::trialRequested, editor, [&](const TrialLevel& trial) {
        shown.emplace_back(decodeGameLevel(TextLines::toBytes(trial.lines)), trial.route);
    });
    open();
    paintLevel("SMm  $   XS");
    for (const bool ok : {false, true}) {
        messages.clear();
        answers = {ok};
        click(editor->CheckLevel);
        ASSERT_TRUE(answered());
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, QStringLiteral("Уровень проходим. Показать путь?"));
        EXPECT_EQ(messages[0].buttons, MessageBoxes::Buttons::OkCancel);
    }
    ASSERT_EQ(shown.size(), 1u) << "Cancel hands nothing over";
    const auto& [level, route] = shown[0];
    EXPECT_EQ(level.man, (CellPos{1, 1}));
    EXPECT_EQ(level.outDoor, (CellPos{9, 1}));
    NullGameHost host;
    const RunSummary run = runLevel(level, 1, route, RunOptions{}, host);
    EXPECT_EQ(run.end, RunEnd::LevelPassed);
}

// A level the save would refuse is refused with the save's own message,
// and no search starts.
TEST_F(EditorCheckTest, ALevelTheSaveRefusesIsNotSearched) {
    open();
    paintLevel("SM   $   XS");  // no man door
    messages.clear();
    click(editor->CheckLevel);
    EXPECT_FALSE(running());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, QStringLiteral("Ошибка компиляции уровня"));
    EXPECT_EQ(messages[0].text, QStringLiteral("На уровне нет двери для человека."));
}

// A level big enough to keep the finder busy: a field of bricks and
// ladders with a devil loose, and the treasure shut in rock.
class EditorCheckStopTest : public EditorCheckTest {
protected:
    void paintBusyLevel() {
        std::vector<std::string> map(22, std::string(32, ' '));
        for (int c = 0; c < 32; ++c) map[21][c] = 'S';
        for (int r = 4; r < 21; r += 4)
            for (int c = 0; c < 30; ++c) map[r][c] = '#';
        map[20][1] = 'M';
        map[20][2] = 'm';
        map[1][20] = 'd';
        map[1][21] = 'D';
        map[10][31] = 'X';
        map[1][5] = 'S';
        map[1][7] = 'S';
        map[0][6] = 'S';
        map[2][6] = 'S';
        map[1][6] = '$';
        paintMap(map);
    }
};

TEST_F(EditorCheckStopTest, TheButtonAndEscStopACheckWithoutAnAnswer) {
    open();
    paintBusyLevel();
    messages.clear();
    for (const bool byEsc : {false, true}) {
        click(editor->CheckLevel);
        ASSERT_TRUE(running());
        QTest::qWait(50);  // the search thread is under way
        if (byEsc)
            QTest::keyClick(editor, Qt::Key_Escape);
        else
            click(editor->CheckLevel);
        EXPECT_FALSE(running());
        EXPECT_TRUE(editor->isVisible()) << "Esc stops the check, not the editor";
        EXPECT_EQ(editor->EditorProgress->value(), 0);
        EXPECT_EQ(editor->CheckLevel->toolTip(), QStringLiteral("Проверить уровень (F5)"));
    }
    QCoreApplication::processEvents();
    EXPECT_TRUE(messages.empty()) << texts().join('\n').toStdString();
}

TEST_F(EditorCheckStopTest, LeavingOrEndingTheProgramStopsTheCheck) {
    open();
    paintBusyLevel();
    editor->LevelSaved = true;
    messages.clear();
    QTest::keyClick(editor, Qt::Key_F5);
    ASSERT_TRUE(running());
    click(editor->ExitButton);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_FALSE(running());
    QCoreApplication::processEvents();
    EXPECT_TRUE(messages.empty()) << texts().join('\n').toStdString();

    // The program ends while a check runs: its thread is joined before the
    // editor goes (a thread checker or the address checker would object).
    open();
    paintBusyLevel();
    click(editor->CheckLevel);
    ASSERT_TRUE(running());
    editor = nullptr;
    destroyForms();
}

}  // namespace
