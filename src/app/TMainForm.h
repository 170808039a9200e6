#pragma once
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "AppContext.h"
#include "ArenaPainter.h"
#include "Bitmap.h"
#include "CoalescingTimer.h"
#include "GameHost.h"
#include "ScreenGameHost.h"
#include "TManControl.h"

class QLabel;

namespace tamb {

class GameKeyboard;
class ImageView;
class UiGameHost;

// The game screen and the application's main form: the arena, the status
// panel with its two labels, the pause picture, the brick and animation
// timers, level setup and the sound events of the user-interface side.
class TMainForm : public QWidget {
    Q_OBJECT
public:
    explicit TMainForm(AppContext& ctx);
    ~TMainForm() override;

    // Sets up the level of LevelNumber (level 1 when it has no file) and
    // starts the game. Called by the preparation screen's timer. On failure
    // the error is reported, the preparation screen closes and the player
    // goes back to the menu.
    void SetLevel();
    void Playsound(const QString& name);
    void KladsLabelUpdate();
    void LivesLabelUpdate();

    // Shows the game screen and runs its activation step once it is up,
    // whether or not the window system ever reports it active.
    void showAndActivate();
    // The first activation: lays out the screens, fills the password table,
    // loads the pictures, then shows the menu (and the game it asks for).
    // Runs once; later calls do nothing.
    void FormActivate();
    // The activation's first half alone (no menu); throws TambError naming
    // a picture that cannot be loaded.
    void setUpScreen();
    // The menu, then the preparation screen if it asks for a game: the road
    // of the activation and of the Space key.
    void showMenuRoad();
    // The preparation screen and the level setup it runs; a level that
    // cannot be set up leads back to the menu.
    void showPreparation();

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

    // True once the application was asked to end (the menu's Exit): no
    // level is started on the way out.
    bool isQuitting() const { return quitting_; }

    ImageView* Arena = nullptr;
    QLabel* KladsLabel = nullptr;
    QLabel* LivesLabel = nullptr;
    // The brick and animation timers fire along with the game thread's
    // drawing requests while a level runs (no wake-ups of their own).
    CoalescingTimer* Kirp = nullptr;
    CoalescingTimer* AnimationTimer = nullptr;
    ImageView* StatusPanel = nullptr;
    ImageView* PauseImage = nullptr;

    Bitmap SpriteSheet;
    Bitmap ArenaBitmap;
    Bitmap BlankBitmap;
    Bitmap PasswordScene;

    QString MenuChoice;
    std::array<QString, 31> LevelPasswords;  // entries 1..30; 0 unused

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setUpGameThreadParts();
    void fillLevelPasswords();
    void layOutForms();
    void levelSetupFailed(const QString& message);

    AppContext& ctx_;
    std::unique_ptr<ArenaPainter> painter_;
    ScreenGameHost host_;
    bool activated_ = false;
    bool quitting_ = false;
    bool setupFailed_ = false;
};

}  // namespace tamb
