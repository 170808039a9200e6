#pragma once
#include "GuardedDialog.h"
#include <QPointer>
#include <functional>

#include "AppContext.h"

class QCheckBox;
class QFrame;
class QLabel;

namespace tamb {

class ImageView;
class PieGauge;
class SpeedButton;
class TDataForm;

// The options: game speed and sound effects, kept in the configuration
// list of the data holder (line 1 the speed, line 2 the sound switch).
class TParamsForm : public GuardedDialog {
    Q_OBJECT
public:
    TParamsForm(AppContext& ctx, TDataForm& data);

    // The window the dialog is centred over while it is visible.
    void setAnchor(QWidget* anchor) { anchor_ = anchor; }

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

    // Where sound requests go; the data holder's players unless replaced.
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

signals:
    // The options took effect: the brick timer runs at this interval.
    void brickIntervalChanged(int ms);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A close by the window system is Cancel.
    void closeRequested() override { ParamsCancelClick(); }

private:
    void playSound(const QString& name);

    AppContext& ctx_;
    TDataForm& data_;
    QPointer<QWidget> anchor_;
};

}  // namespace tamb
