#pragma once
#include <QPointer>
#include <QWidget>
#include <memory>
#include <string_view>
#include <vector>

#include "AppContext.h"
#include "ArenaPainter.h"
#include "CoalescingTimer.h"
#include "GameHost.h"
#include "GameLevel.h"
#include "HeadlessRun.h"
#include "ScreenGameHost.h"
#include "TManControl.h"
#include "TrialLevel.h"

class QLabel;

namespace tamb {

class GameKeyboard;
class HelpWindow;
class ImageView;
class RoutePlayer;
namespace solve {
class RouteSearch;
}
class TDataForm;
class UiGameHost;

// The game screen and the application's main form: the arena, the status
// panel with its two labels, the pause picture, the brick and animation
// timers, level setup and the sound events of the user-interface side.
// What happens around a game (the menu, the preparation screen) is the
// business of whoever listens to its signals.
class TMainForm : public QWidget {
    Q_OBJECT
public:
    explicit TMainForm(AppContext& ctx);
    ~TMainForm() override;

    // The data holder is made after the game screen; the composition root
    // hands it over before anything runs.
    void setDataHolder(TDataForm& data) { data_ = &data; }

    // The first activation's own part: fills the password table, lays out
    // the game screen, loads the pictures and makes the off-screen arena.
    // Throws TambError naming a picture that cannot be loaded.
    void setUpScreen();
    // Both pictures of the graphics folder are loaded.
    bool picturesLoaded() const;

    // Sets up the level of LevelNumber (level 1 when it has no file) and
    // starts the game; then levelReady(). On failure the error is reported
    // and levelSetupFailed() follows.
    void SetLevel();
    // The level SetLevel will play: LevelNumber, or 1 when it has no file
    // (the trial's number while a level is tried).
    int levelToPlay() const;

    // A level tried from the editor: SetLevel plays it from its lines, not
    // from a file, until the trial ends; its route, if any, is shown first.
    void setTrial(const TrialLevel& trial);
    void endTrial();
    bool isTrying() const { return trying_; }
    // Shows the trial's route once, after its level is set up.
    void showTrialRoute();
    // Ends a game still running; its drawing calls are served meanwhile.
    // A route being shown or looked for ends too.
    void stopGame();

    // The way through the level in play (F2): its shipped route, or one the
    // finder looks for meanwhile, is shown from the level's start; any key
    // ends the show, and the level begins again with three lives.
    void showRoute();
    // Shows `route` from the start of `level` (drawn anew); the level in
    // play, if any, is left.
    void playRoute(const GameLevel& level, int levelNumber, std::vector<ScriptEntry> route);
    // Ends the show (a key, or its end): the level of LevelNumber begins.
    void endRouteShow();
    bool routeShowing() const;
    bool routeSearching() const;

    // The help (F1) over the game screen; the game waits while it is open.
    void showHelp();

    void Playsound(const QString& name);
    // A sound of the game side; callable from any thread, never waits.
    void playGameSound(std::string_view event);
    void KladsLabelUpdate();
    void LivesLabelUpdate();
    void hideStatusLabels();

    void KirpTimer();
    void AnimationTimerTimer();

    // Drawing on the game screen, for the game thread's requests (run on the
    // user-interface thread) and the timers.
    ArenaPainter& painter() { return *painter_; }
    GameHost& screenHost();
    // Repaints the arena on the screen after drawing into Arena's bitmap.
    void refreshArena();
    void refreshArena(const QRegion& region);
    // Puts a frame on the screen at once rather than on the next pass of the
    // event loop: one dispatch fewer per game tick.
    void repaintArenaNow(const QRegion& region);

    // The game thread of the level in play; null when none runs.
    QPointer<TManControl> ManThread;
    GameKeyboard* Keyboard = nullptr;
    UiGameHost* GameThreadHost = nullptr;
    // Level setup: starts the game thread of the new level (after the
    // previous one, which has ended, is gone).
    void StartManThread();

    ImageView* Arena = nullptr;
    QLabel* KladsLabel = nullptr;
    QLabel* LivesLabel = nullptr;
    // The brick and animation timers fire along with the game thread's
    // drawing requests while a level runs (no wake-ups of their own).
    CoalescingTimer* Kirp = nullptr;
    CoalescingTimer* AnimationTimer = nullptr;
    ImageView* StatusPanel = nullptr;
    ImageView* PauseImage = nullptr;
    // What the route key is doing, on the status panel.
    QLabel* RouteHint = nullptr;
    RoutePlayer* RouteShow = nullptr;
    HelpWindow* Help = nullptr;

signals:
    // One step of drawing the new level's arena: the preparation bar moves.
    void setupProgressed();
    // The level is set up and its game runs: the preparation screen goes.
    void levelReady();
    // The level could not be set up (already reported).
    void levelSetupFailed();
    // The game ended by itself (level passed, or the last life lost): the
    // next level is to be prepared.
    void gameEnded();
    // The player left the game (Space); its thread has ended.
    void gameLeft();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    // Closing the game screen ends the program.
    void closeEvent(QCloseEvent* event) override;

private:
    void setUpGameThreadParts();
    void setUpRouteParts();
    // The level in play as the game read it; false when there is none.
    bool levelInPlay(GameLevel& level) const;
    void routeSearchFinished(unsigned generation, bool found, std::vector<ScriptEntry> route);
    void showRouteHint(const QString& text);
    void layOut();

    AppContext& ctx_;
    TDataForm* data_ = nullptr;
    std::unique_ptr<ArenaPainter> painter_;
    ScreenGameHost host_;
    std::unique_ptr<solve::RouteSearch> routeSearch_;
    unsigned routeGeneration_ = 0;
    bool routeShown_ = false;
    int routeLevelNumber_ = 0;
    int keptGameDelay_ = 0;
    bool trying_ = false;
    TrialLevel trial_;
};

}  // namespace tamb
