#pragma once
#include <memory>

#include "AppContext.h"
#include "AudioOutput.h"

namespace tamb {

class AudioOutput;
class GameFlow;
class TDataForm;
class TEditorForm;
class TMainForm;
class TMainMenuForm;
class TParamsForm;
class TPrepareForm;
class TVictoryForm;
class WindowLossWatch;

// The owner of the forms: builds them in the program's order (game
// screen, data holder, menu, preparation and victory screens, editor,
// options), wires
// the signals by which one asks another for something, and at the end
// stops a running game before any form goes, then destroys the forms in
// the reverse order. Make it with the game folder as the current directory:
// the data holder takes it as its base folder.
class TambForms {
public:
    // Without an output the sound device is used; tests pass a recording one.
    explicit TambForms(std::unique_ptr<AudioOutput> audio = {});
    ~TambForms();
    TambForms(const TambForms&) = delete;
    TambForms& operator=(const TambForms&) = delete;

    // Shows the game screen and runs the first activation once it is up.
    void start();
    // The first activation: lays out the screens, sets up the game screen
    // (pictures, passwords), then shows the menu and the game it asks for.
    // Runs once; later calls do nothing. Throws TambError naming a picture
    // that cannot be loaded.
    void activate();

    AppContext& context() { return ctx_; }
    TMainForm& main() { return *main_; }
    TDataForm& data() { return *data_; }
    TMainMenuForm& menu() { return *menu_; }
    TPrepareForm& prepare() { return *prepare_; }
    TVictoryForm& victory() { return *victory_; }
    TEditorForm& editor() { return *editor_; }
    TParamsForm& params() { return *params_; }
    GameFlow& flow() { return *flow_; }

private:
    void wire();

    AppContext ctx_;
    std::unique_ptr<TMainForm> main_;
    std::unique_ptr<TDataForm> data_;
    std::unique_ptr<TMainMenuForm> menu_;
    std::unique_ptr<TPrepareForm> prepare_;
    std::unique_ptr<TVictoryForm> victory_;
    std::unique_ptr<TEditorForm> editor_;
    std::unique_ptr<TParamsForm> params_;
    std::unique_ptr<GameFlow> flow_;
    std::unique_ptr<WindowLossWatch> windowWatch_;
    bool activated_ = false;
};

}  // namespace tamb
