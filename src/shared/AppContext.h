#pragma once
#include <QString>

#include "GamePictures.h"
#include "GameState.h"
#include "LevelPasswords.h"
#include "Shared.h"

namespace tamb {

// The program-wide data the forms share: the state of the game in play and
// what the first activation and the menu put in place for everyone. Plain
// data, no forms: a form reaches another form only through the signals the
// composition root wires.
struct AppContext {
    GameState state;
    // Mirror of the options' sound check box, readable from the game thread.
    Shared<bool> soundEnabled{true};

    // What the menu was left through ("New Game" starts a level).
    QString MenuChoice;
    // The configuration file; set at every showing of the menu.
    QString ConfigFileName;
    LevelPasswords passwords;
    GamePictures pictures;
};

}  // namespace tamb
