#include "GameKeyboard.h"

#include <QTimer>
#include <QWidget>

#include "ImageView.h"
#include "TMainForm.h"
#include "TManControl.h"

namespace tamb {

GameKeyboard::GameKeyboard(GameState& state, TMainForm& form, QObject* parent)
    : QObject(parent), state_(state), form_(form) {}

int GameKeyboard::virtualKey(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Pause: return VkPause;
        case Qt::Key_Escape: return VkEscape;
        case Qt::Key_Left: return VkLeft;
        case Qt::Key_Up: return VkUp;
        case Qt::Key_Right: return VkRight;
        case Qt::Key_Down: return VkDown;
        case Qt::Key_Control: return VkControl;
        case Qt::Key_Space: return VkSpace;
        case Qt::Key_Shift: return 16;
        case Qt::Key_Alt: return 18;
        case Qt::Key_Return:
        case Qt::Key_Enter: return 13;
        case Qt::Key_Tab: return 9;
        case Qt::Key_Backspace: return 8;
        case Qt::Key_F1: return VkF1;
        case Qt::Key_F2: return VkF2;
        default: break;
    }
    // Letters and digits have the same codes; punctuation must not pass
    // through, '(' would read as the Down arrow.
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)) return qtKey;
    return 0;
}

void GameKeyboard::setCommand(Command c) {
    state_.Command = c;
    // Let the game thread see the new command without waiting out its tick.
    if (form_.ManThread) form_.ManThread->wake();
}

void GameKeyboard::FormKeyDown(int key) {
    TMainForm& form = form_;
    // The help pauses the game itself; F1 must not end a pause as other
    // keys do.
    if (key == VkF1) {
        emit helpRequested();
        return;
    }
    // Every test is made in turn; the last write to Command stays.
    const bool pauseKey = key == VkPause || key == VkP;
    if (pauseKey && state_.Command != Command::Pause) {
        form.Playsound(QStringLiteral("Pause"));
        setCommand(Command::Pause);
        form.PauseImage->show();
    } else {
        setCommand(Command::Stop);
        form.PauseImage->hide();
    }
    if (key == VkEscape) setCommand(Command::UserKillsMan);
    if (key == VkRight) setCommand(Command::Right);
    if (key == VkLeft) setCommand(Command::Left);
    if (key == VkUp) setCommand(Command::Up);
    if (key == VkDown) setCommand(Command::Down);
    if (key == VkControl) setCommand(Command::Fire);
    if (key == VkSpace) leaveGame();
    if (key == VkF2) emit routeRequested();
}

void GameKeyboard::FormKeyUp(int key) {
    const Command current = state_.Command;
    if ((key == VkRight && current == Command::Right) || (key == VkLeft && current == Command::Left) ||
        (key == VkUp && current == Command::Up) || (key == VkDown && current == Command::Down) ||
        (key == VkControl && current == Command::Fire)) {
        setCommand(Command::Stop);
    }
}

void GameKeyboard::pauseForHelp() {
    const Command current = state_.Command;
    if (current == Command::Pause || current == Command::Exit) return;
    pausedForHelp_ = true;
    setCommand(Command::Pause);
    form_.PauseImage->show();
}

void GameKeyboard::resumeAfterHelp() {
    const bool paused = pausedForHelp_;
    pausedForHelp_ = false;
    if (!paused || state_.Command != Command::Pause) return;
    setCommand(Command::Stop);
    form_.PauseImage->hide();
}

void GameKeyboard::leaveGame() {
    TMainForm& form = form_;
    setCommand(Command::Exit);
    // The game may have ended by itself a moment ago; the animation timer
    // must not begin the next level under the menu. The next level setup
    // starts it again.
    form.AnimationTimer->stop();
    // Only a thread that still exists is waited for; it may be sitting in
    // a drawing call, which the wait keeps serving.
    TManControl::waitForEnd(form.ManThread);
    emit gameLeft();
}

}  // namespace tamb
