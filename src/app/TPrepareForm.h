#pragma once
#include <QDialog>

#include "AppContext.h"

class QProgressBar;
class QTimer;

namespace tamb {

// The "level is being prepared" box in front of the game screen.
class TPrepareForm : public QDialog {
    Q_OBJECT
public:
    explicit TPrepareForm(AppContext& ctx);

    QProgressBar* PrepareProgress = nullptr;
    QTimer* PrepareTimer = nullptr;

private:
    AppContext& ctx_;
};

}  // namespace tamb
