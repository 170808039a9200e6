// The route key of the game screen: the way through the level is shown from
// its start on the game screen, a key ends the show, and the level begins
// again for the player.
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "FormsHarness.h"
#include "RoutePlayer.h"
#include "TestGameFolder.h"
#include "TextLines.h"

namespace tamb {
namespace {

using test::FormsTest;

constexpr int kStartX = 3 * 20;  // the man's start, column 3 of row 19

// The game folder with the level and, when given, its route file; level 1
// is in play.
void writeFolder(const QString& dir, const QStringList* route) {
    test::writeGraphics(dir);
    test::writeAllSounds(dir);
    test::writeLevel(dir, 1, test::corridorLevel());
    if (route) {
        QDir(dir).mkpath(QStringLiteral("levels/routes"));
        TextLines::write(dir + QStringLiteral("/levels/routes/level1.route"), *route);
    }
}

class RouteShowTest : public FormsTest {
protected:
    void begin(const QStringList* route) {
        writeFolder(dir.path(), route);
        createForms();
        mainForm->setUpScreen();
        ctx().state.LevelNumber = 1;
        mainForm->SetLevel();
        ASSERT_FALSE(mainForm->ManThread.isNull());
    }
    GameState& state() { return ctx().state; }
    bool showing() { return mainForm->routeShowing(); }
};

TEST_F(RouteShowTest, AKeyEndsTheShowAndTheLevelBeginsAgainWithThreeLives) {
    const QStringList route{QStringLiteral("# walk to the door"), QStringLiteral("1 right")};
    begin(&route);
    state().Lives = 1;  // the player has lost two already
    QTest::keyClick(mainForm, Qt::Key_F2);
    ASSERT_TRUE(showing());
    EXPECT_TRUE(mainForm->ManThread.isNull()) << "no game thread runs under the show";
    EXPECT_FALSE(mainForm->AnimationTimer->isActive());
    EXPECT_EQ(state().Lives, 3) << "the show starts the level afresh";
    EXPECT_TRUE(mainForm->RouteHint->isVisibleTo(mainForm));
    EXPECT_EQ(mainForm->LivesLabel->text(), QStringLiteral("Жизней: 3"));

    // The man walks the route on his own.
    ASSERT_TRUE(QTest::qWaitFor([this] { return state().ManX >= kStartX + 40; }, 10000));
    EXPECT_EQ(state().ManY, 19 * 20);
    EXPECT_GT(mainForm->RouteShow->slot(), 0);

    QTest::keyClick(mainForm, Qt::Key_A);
    EXPECT_FALSE(showing());
    EXPECT_FALSE(mainForm->RouteHint->isVisibleTo(mainForm));
    ASSERT_FALSE(mainForm->ManThread.isNull()) << "the player's game runs again";
    EXPECT_TRUE(mainForm->AnimationTimer->isActive());
    EXPECT_EQ(state().ManX, kStartX);
    EXPECT_EQ(state().Lives, 3);
    EXPECT_EQ(state().KladsLeft, 1);
    EXPECT_EQ(state().LevelNumber, 1);
    EXPECT_EQ(state().Command, Command::Stop) << "the key that ended the show does not steer the man";
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

// The shipped route, or the finder's when the level has none or the one it
// has does not pass it (an edited level): either way the show passes the
// level, and then the same level begins again for the player.
TEST_F(RouteShowTest, TheShowPassesTheLevelByTheShippedRouteOrTheFindersOne) {
    struct Case {
        const char* name;
        bool hasFile;
        QStringList route;
    };
    const Case cases[] = {
        {"shipped", true, {QStringLiteral("1 right")}},
        {"none", false, {}},
        {"stale", true, {QStringLiteral("1 left")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        begin(c.hasFile ? &c.route : nullptr);
        GameResult atEnd = GameResult::Normal;
        QObject::connect(mainForm->RouteShow, &RoutePlayer::finished, mainForm,
                         [&](GameResult result) { atEnd = result; });
        QTest::keyClick(mainForm, Qt::Key_F2);
        if (c.name != std::string("shipped")) {
            EXPECT_TRUE(mainForm->routeSearching());
            EXPECT_EQ(mainForm->RouteHint->text(), QStringLiteral("Поиск пути..."));
            EXPECT_FALSE(mainForm->ManThread.isNull()) << "the player plays on while the finder looks";
        }
        ASSERT_TRUE(QTest::qWaitFor([this] { return showing(); }, 30000));
        ASSERT_TRUE(QTest::qWaitFor([this] { return !showing(); }, 30000));
        EXPECT_EQ(atEnd, GameResult::LevelPassed);
        EXPECT_EQ(state().LevelNumber, 1) << "the show's pass does not count";
        EXPECT_EQ(state().GameResult, GameResult::Normal);
        EXPECT_EQ(state().ManX, kStartX);
        EXPECT_FALSE(mainForm->ManThread.isNull());
        EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
        destroyForms();
        QDir(dir.path() + QStringLiteral("/levels/routes")).removeRecursively();
    }
}

// The program may end while a route is looked for or shown.
TEST_F(RouteShowTest, EndingTheProgramEndsTheSearchAndTheShow) {
    begin(nullptr);
    QTest::keyClick(mainForm, Qt::Key_F2);
    ASSERT_TRUE(mainForm->routeSearching());
    destroyForms();

    const QStringList route{QStringLiteral("1 right")};
    begin(&route);
    QTest::keyClick(mainForm, Qt::Key_F2);
    ASSERT_TRUE(showing());
    destroyForms();
}

}  // namespace
}  // namespace tamb
