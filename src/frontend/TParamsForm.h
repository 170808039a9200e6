#pragma once
#include <QDialog>
#include <functional>

#include "AppContext.h"

class QCheckBox;
class QFrame;
class QLabel;

namespace tamb {

class ImageView;
class PieGauge;
class SpeedButton;

// The options: game speed and sound effects, kept in the configuration
// list of the data holder (line 1 the speed, line 2 the sound switch).
class TParamsForm : public QDialog {
    Q_OBJECT
public:
    explicit TParamsForm(AppContext& ctx);

    // List -> controls. Lines that cannot be applied (missing, or a speed
    // that is no whole number) give way to their defaults.
    void ParamsInit();
    // Controls -> list, and into effect: GameDelay and the brick timer.
    void ParamsSet();

    void MinusButtonClick();
    void PlusButtonClick();
    void ParamsOkClick();
    void ParamsCancelClick();
    void ParamsOkMouseDown();

    // The game speed 0..100 shown by the gauge.
    int speed() const;

    // Where sound requests go; the game screen's Playsound unless replaced.
    std::function<void(const QString&)> soundHook;

    ImageView* Image1 = nullptr;
    PieGauge* GameSpeed = nullptr;
    QCheckBox* SoundControl = nullptr;
    SpeedButton* MinusButton = nullptr;
    QLabel* Label1 = nullptr;
    SpeedButton* PlusButton = nullptr;
    QFrame* Bevel1 = nullptr;
    SpeedButton* ParamsCancel = nullptr;
    SpeedButton* ParamsOk = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void playSound(const QString& name);

    AppContext& ctx_;
};

}  // namespace tamb
