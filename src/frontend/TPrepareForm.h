#pragma once
#include "GuardedDialog.h"

#include <QPointer>

class QLabel;
class QProgressBar;
class QTimer;

namespace tamb {

class ImageView;

// The "level is being prepared" box in front of the game screen. Each
// showing waits a second with an empty bar, then asks for the level
// (levelDue); the level setup fills the bar and closes the box.
class TPrepareForm : public GuardedDialog {
    Q_OBJECT
public:
    TPrepareForm();

    // How the game before ended, for the box to say.
    enum class Outcome { None, LevelPassed, GameOver, AllLevelsPassed };
    // What the box says while it is up: how the game before ended, and the
    // level being prepared with its password (none when empty).
    void setNotice(Outcome outcome, int level, const QString& password);

    // The window the box is centred over while it is visible (the screen
    // otherwise).
    void setAnchor(QWidget* anchor) { anchor_ = anchor; }

    ImageView* Image1 = nullptr;
    QProgressBar* PrepareProgress = nullptr;
    QLabel* OutcomeLabel = nullptr;
    QLabel* LevelLabel = nullptr;
    QTimer* PrepareTimer = nullptr;

    // One step of the bar; it stops at its end and repaints at once when its
    // percentage changes, since the level setup keeps the event loop waiting.
    void advanceProgress();
    // The level is set up, or could not be: the box goes.
    void finish() { leave(); }

signals:
    // Each showing, before its second starts: the game screen hides its
    // status labels.
    void activated();
    // The second is over: set up the level.
    void levelDue();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // Only the level setup closes the box (finish): Esc does not, and a
    // close by the window system is refused.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormActivate();
    void PrepareTimerTimer();

    QPointer<QWidget> anchor_;
};

}  // namespace tamb
