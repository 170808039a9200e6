#pragma once
#include <QObject>

#include "TPrepareForm.h"

class QWidget;

namespace tamb {

struct AppContext;
class TMainForm;
class TMainMenuForm;
class TPrepareForm;

// The road between the screens: the menu, then the preparation screen and
// the level it sets up, back to the menu when the player leaves or a level
// cannot be set up. Nothing starts a level once the program is ending.
class GameFlow : public QObject {
    Q_OBJECT
public:
    GameFlow(AppContext& ctx, TMainForm& main, TMainMenuForm& menu, TPrepareForm& prepare, QWidget& editor);
    ~GameFlow() override;

    // The menu, then the preparation screen if it asks for a game: the road
    // of the first activation and of the Space key.
    void showMenuRoad();
    // The preparation screen and the level setup it runs; a level that
    // cannot be set up leads back to the menu.
    void showPreparation(TPrepareForm::Outcome outcome = TPrepareForm::Outcome::None);
    // The game ended by itself: the next level (or the same, after the last
    // life) is prepared, saying how the game ended.
    void gameEnded();
    // The preparation screen's second is over: the level is set up, unless
    // the box is gone or the menu or the editor is up meanwhile.
    void levelDue();
    // The level setup failed: the preparation screen closes, the menu follows.
    void levelSetupFailed();

    // True once the application was asked to end (the menu's Exit).
    bool isQuitting() const { return quitting_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The pictures a level needs; a failed load is reported (again).
    bool picturesReady();

    AppContext& ctx_;
    TMainForm& main_;
    TMainMenuForm& menu_;
    TPrepareForm& prepare_;
    QWidget& editor_;
    bool quitting_ = false;
    bool setupFailed_ = false;
};

}  // namespace tamb
