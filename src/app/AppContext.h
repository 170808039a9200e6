#pragma once
#include "GameState.h"
#include "Shared.h"

namespace tamb {

class TMainForm;
class TDataForm;
class TMainMenuForm;
class TPrepareForm;
class TEditorForm;
class TParamsForm;

// What the forms share: the six forms (created once, in this order, and
// living until the program ends) and the state of the game in play. Every
// form gets it at construction; a form created early reaches the later
// ones through it once they exist.
struct AppContext {
    GameState state;
    // Mirror of the options' sound check box, readable from the game thread.
    Shared<bool> soundEnabled{true};

    TMainForm* MainForm = nullptr;
    TDataForm* DataForm = nullptr;
    TMainMenuForm* MainMenuForm = nullptr;
    TPrepareForm* PrepareForm = nullptr;
    TEditorForm* EditorForm = nullptr;
    TParamsForm* ParamsForm = nullptr;
};

}  // namespace tamb
