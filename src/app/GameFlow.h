#pragma once
#include <QObject>

#include "TPrepareForm.h"
#include "TrialLevel.h"

namespace tamb {

struct AppContext;
class TEditorForm;
class TMainForm;
class TMainMenuForm;
class TPrepareForm;
class TVictoryForm;

// The road between the screens: the menu, then the preparation screen and
// the level it sets up, back to the menu when the player leaves or a level
// cannot be set up. A level tried from the editor takes the same road and
// ends back in the editor. Nothing starts a level once the program is ending.
class GameFlow : public QObject {
    Q_OBJECT
public:
    GameFlow(AppContext& ctx, TMainForm& main, TMainMenuForm& menu, TPrepareForm& prepare, TVictoryForm& victory,
             TEditorForm& editor);
    ~GameFlow() override;

    // The menu, then the preparation screen if it asks for a game: the road
    // of the first activation and of the Space key.
    void showMenuRoad();
    // The preparation screen and the level setup it runs; a level that
    // cannot be set up leads back to the menu.
    void showPreparation(TPrepareForm::Outcome outcome = TPrepareForm::Outcome::None);
    // The game ended by itself: the next level (or the same, after the last
    // life) is prepared, saying how the game ended; after the last level
    // the victory is celebrated first.
    void gameEnded();
    // The preparation screen's second is over: the level is set up, unless
    // the box is gone or the menu or the editor is up meanwhile.
    void levelDue();
    // The level setup failed: the preparation screen closes, the menu follows.
    void levelSetupFailed();

    // The editor's level is played (its route shown first, if it has one):
    // the editor and the menu make way, and the player's level number is
    // kept for after the trial.
    void tryLevel(const TrialLevel& trial);

    // True once the application was asked to end (the menu's Exit).
    bool isQuitting() const { return quitting_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The pictures a level needs; a failed load is reported (again).
    bool picturesReady();
    // The menu's answer, or a trial asked for from the editor meanwhile.
    bool gameAsked() const;
    // The trial ended (Space, or the game's own end): back to the editor,
    // over the menu as before.
    void endTrial();

    AppContext& ctx_;
    TMainForm& main_;
    TMainMenuForm& menu_;
    TPrepareForm& prepare_;
    TVictoryForm& victory_;
    TEditorForm& editor_;
    int keptLevelNumber_ = 1;
    bool quitting_ = false;
    bool setupFailed_ = false;
};

}  // namespace tamb
