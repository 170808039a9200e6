#pragma once
#include "GuardedDialog.h"
#include <array>
#include <functional>

#include "AppContext.h"
#include "Bitmap.h"

class QFrame;
class QLineEdit;
class QTimer;

namespace tamb {

class HelpWindow;
class ImageView;
class SpeedButton;
class TDataForm;

// The main menu with its title animation, lamps and sliding password bar.
// It is shown modally; MenuChoice (and, on the way out, exitRequested())
// say how it was left.
class TMainMenuForm : public GuardedDialog {
    Q_OBJECT
public:
    TMainMenuForm(AppContext& ctx, TDataForm& data);

    // The first activation's layout: lamps off, the credit and the logos in
    // their places.
    void layOut();

    // Runs at every showing: reloads the configuration, applies the options,
    // resets the password bar and starts the title animation the first time.
    void FormActivate();
    void FormMouseMove();
    void ButtonMouseMove(int k);  // button k = 1 (New Game) .. 5 (Exit)
    void NewGameButtonMouseDown();
    void NewGameButtonClick(QObject* sender);
    void OptionsButtonClick();
    void EditorButtonClick();
    void ExitButtonClick();
    void EffectTimerTimer();
    // A click or a key while the title animation plays: the menu as the
    // animation leaves it, at once and without its sounds.
    void skipTitleAnimation();
    void AllLightsOff();

    // The password bar.
    void PasswordButtonClick();
    void PasswordCancelClick();
    void PasswordOkClick(QObject* sender);
    void PasswordEffectTimer();
    void PasswordVisibilityCheck();

    // True once Exit was chosen: the program is ending and no level may be
    // started, whatever MenuChoice holds.
    bool exitRequested() const { return exitRequested_; }

    // Where sound requests go; the data holder's players unless replaced.
    std::function<void(const QString&)> soundHook;

    int EffectStep = 0;             // title animation ticks so far; never reset
    QString PasswordBarMode;        // "ShowBar" or "HideBar"
    int PasswordBarX = 185;         // where the bar's picture is drawn

    QFrame* Bevel1 = nullptr;
    ImageView* ButtonsImage = nullptr;
    ImageView* LogoImage1 = nullptr;
    ImageView* LogoImage2 = nullptr;
    ImageView* AuthorImage = nullptr;
    SpeedButton* NewGameButton = nullptr;
    SpeedButton* PasswordButton = nullptr;
    SpeedButton* OptionsButton = nullptr;
    SpeedButton* EditorButton = nullptr;
    SpeedButton* ExitButton = nullptr;
    std::array<ImageView*, 11> Light{};   // Light[1] .. Light[10]
    std::array<ImageView*, 11> Image{};   // Image[1] .. Image[10], the title letters
    ImageView* PasswordImage = nullptr;
    SpeedButton* PasswordOk = nullptr;
    SpeedButton* PasswordCancel = nullptr;
    QLineEdit* PasswordEdit = nullptr;
    QTimer* EffectTimer = nullptr;
    QTimer* PasswordEffect = nullptr;
    // F1; the title animation goes on under it.
    HelpWindow* Help = nullptr;

signals:
    // The configuration list was (re)loaded: the options take it in.
    void configLoaded();
    void optionsRequested();
    void editorRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A close by the window system is Exit: it never starts a level.
    void closeRequested() override { ExitButtonClick(); }

private:
    void createPasswordBar();
    // The button panel and the credit, brought up together by the animation.
    std::array<QWidget*, 8> panelWidgets() const;
    void playSound(const QString& name);
    // The bar's picture; a stand-in while the game screen has none loaded.
    const Bitmap& passwordScene();
    void blankPasswordImage();

    AppContext& ctx_;
    TDataForm& data_;
    bool exitRequested_ = false;
    Bitmap sceneStandIn_;
};

}  // namespace tamb
