#pragma once
#include <QDialog>

#include "AppContext.h"

class QProgressBar;
class QTimer;

namespace tamb {

class ImageView;

// The "level is being prepared" box in front of the game screen. Each
// showing waits a second with an empty bar, then has the game screen set up
// the level, which fills the bar and closes the box.
class TPrepareForm : public QDialog {
    Q_OBJECT
public:
    explicit TPrepareForm(AppContext& ctx);

    ImageView* Image1 = nullptr;
    QProgressBar* PrepareProgress = nullptr;
    QTimer* PrepareTimer = nullptr;

    // One step of the bar; it stops at its end and repaints at once when its
    // percentage changes, since the level setup keeps the event loop waiting.
    void advanceProgress();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate();
    void PrepareTimerTimer();

    AppContext& ctx_;
};

}  // namespace tamb
