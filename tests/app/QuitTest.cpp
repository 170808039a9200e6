// Leaving through the menu's Exit ends the program, also after a game was
// played (MenuChoice still "New Game"). Runs the application's own event
// loop, which cannot be entered again afterwards: keep this test alone in
// its executable.
#include <QApplication>
#include <QTimer>

#include "FormsHarness.h"
#include "TestGameFolder.h"
#include "ImageView.h"
#include "TMainMenuForm.h"

namespace tamb {
namespace {

class QuitTest : public test::FormsTest {};

// Counts the showings of a form, however briefly it is up.
class ShowCounter : public QObject {
public:
    int shows = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Show) ++shows;
        return false;
    }
};

TEST_F(QuitTest, ExitFromTheMenuStartsNoLevelOnTheWayOut) {
    writeGameFolder();
    test::writeLevel(dir.path(), 1, test::simpleLevel());
    createForms();
    ctx().MenuChoice = QStringLiteral("New Game");  // as after an earlier game
    ShowCounter preparation;
    prepareForm->installEventFilter(&preparation);
    bool exitClicked = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, menuForm, [&] {
        if (menuForm->isVisible() && !exitClicked) {
            exitClicked = true;
            menuForm->ExitButtonClick();
        }
    });
    watch.start(5);
    QTimer::singleShot(0, mainForm, [this] { forms->root->start(); });
    QTimer::singleShot(8000, qApp, [] { QCoreApplication::exit(1); });  // a hang fails, not blocks
    const int rc = QCoreApplication::exec();
    EXPECT_EQ(rc, 0);
    EXPECT_TRUE(exitClicked);
    EXPECT_TRUE(forms->flow->isQuitting());
    EXPECT_EQ(preparation.shows, 0);
    EXPECT_TRUE(mainForm->ManThread.isNull());
    EXPECT_FALSE(mainForm->Kirp->isActive());
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

}  // namespace
}  // namespace tamb
