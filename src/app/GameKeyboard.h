#pragma once
#include <QObject>

#include "GameState.h"

namespace tamb {

class TMainForm;

// The game screen's two key handlers: they turn keys into Command, toggle
// the pause with its picture and leave the game with Space. Keys arrive as
// Windows virtual key codes (see virtualKey()).
class GameKeyboard : public QObject {
    Q_OBJECT
public:
    enum Key : int {
        VkControl = 17,
        VkPause = 19,
        VkEscape = 27,
        VkSpace = 32,
        VkLeft = 37,
        VkUp = 38,
        VkRight = 39,
        VkDown = 40,
        VkP = 80,  // the pause key of keyboards that have no Pause
        VkF1 = 112,
        VkF2 = 113,
    };

    GameKeyboard(GameState& state, TMainForm& form, QObject* parent = nullptr);

    // The virtual key code of a Qt key; 0 for keys the game has no code for.
    static int virtualKey(int qtKey);

    void FormKeyDown(int key);
    void FormKeyUp(int key);

    // The help over the game: the game waits as under the Pause key, and
    // goes on when the help closes unless the player had paused it. A game
    // that is ending is left alone.
    void pauseForHelp();
    void resumeAfterHelp();

signals:
    // Space: the game has ended and its thread is gone.
    void gameLeft();
    // F2: the way through the level is to be shown.
    void routeRequested();
    // F1: the help is to be shown.
    void helpRequested();

private:
    void setCommand(Command c);
    void leaveGame();

    GameState& state_;
    TMainForm& form_;
    bool pausedForHelp_ = false;
};

}  // namespace tamb
