#pragma once
#include "GuardedDialog.h"

class QTimer;

namespace tamb {

struct AppContext;
class TDataForm;

// The short celebration after the last level: a word of victory over the
// treasures won, for a few seconds or until a key or a click, before the
// game starts over at level 1.
class TVictoryForm : public GuardedDialog {
    Q_OBJECT
public:
    TVictoryForm(AppContext& ctx, TDataForm& data);

    // The form it covers, whose top-left corner it takes.
    void setAnchor(QWidget* anchor) { anchor_ = anchor; }
    // How long it stays when left alone.
    void setShowTime(int ms);

    QTimer* CloseTimer = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeRequested() override { leave(); }

private:
    AppContext& ctx_;
    TDataForm& data_;
    QWidget* anchor_ = nullptr;
};

}  // namespace tamb
