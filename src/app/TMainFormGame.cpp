// Before any Qt header, which makes "slots" a keyword.
#include "RouteSearch.h"

// The game screen's side of the game thread: starting it, ending it with
// the program, and the keys.
#include <QKeyEvent>

#include "FormPictures.h"
#include "GameKeyboard.h"
#include "HelpWindow.h"
#include "ImageView.h"
#include "RoutePlayer.h"
#include "TMainForm.h"
#include "UiGameHost.h"

namespace tamb {

void TMainForm::setUpGameThreadParts() {
    PauseImage = new ImageView(this);
    PauseImage->setPicture(formPicture(QStringLiteral(":/pics/pause.jpg"), 320, 69));
    PauseImage->move(160, 112);
    PauseImage->hide();
    Keyboard = new GameKeyboard(ctx_.state, *this, this);
    connect(Keyboard, &GameKeyboard::gameLeft, this, &TMainForm::gameLeft);
    connect(Keyboard, &GameKeyboard::routeRequested, this, &TMainForm::showRoute);
    Help = new HelpWindow(ctx_.pictures, this);
    connect(Keyboard, &GameKeyboard::helpRequested, this, &TMainForm::showHelp);
    connect(Help, &HelpWindow::closed, this, [this] {
        Keyboard->resumeAfterHelp();
        setFocus();
    });
    GameThreadHost = new UiGameHost(screenHost(), this);
    connect(GameThreadHost, &UiGameHost::callsServed, Kirp, &CoalescingTimer::shareWake);
    connect(GameThreadHost, &UiGameHost::callsServed, AnimationTimer, &CoalescingTimer::shareWake);
    setUpRouteParts();
}

TMainForm::~TMainForm() { stopGame(); }

void TMainForm::stopGame() {
    routeShown_ = false;
    RouteShow->stop();
    routeSearch_->stop();
    // Its drawing calls must be served until it has seen "exit".
    TManControl::stop(ManThread, ctx_.state);
}

void TMainForm::StartManThread() {
    if (ManThread) {
        // The previous game's thread has set "exit" itself or been told to;
        // make sure it is gone before its successor starts.
        const Command command = ctx_.state.Command;
        TManControl::stop(ManThread, ctx_.state);
        ctx_.state.Command = command;
    }
    ManThread = new TManControl(ctx_.state, *GameThreadHost);
}

void TMainForm::showHelp() {
    if (Help->isVisible()) return;
    Keyboard->pauseForHelp();
    Help->popUp();
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
    // Any key ends a route being shown, and only that; a held key does not
    // end the show its own press began. F1 then shows the help over the
    // level that begins.
    if (routeShowing()) {
        if (event->isAutoRepeat()) return;
        endRouteShow();
        if (event->key() == Qt::Key_F1) showHelp();
        return;
    }
    // Auto-repeated presses count as presses.
    Keyboard->FormKeyDown(GameKeyboard::virtualKey(event->key()));
}

void TMainForm::keyReleaseEvent(QKeyEvent* event) {
    // Some window systems send a release before each repeated press; only
    // the real release counts.
    if (event->isAutoRepeat() || routeShowing()) return;
    Keyboard->FormKeyUp(GameKeyboard::virtualKey(event->key()));
}

}  // namespace tamb
