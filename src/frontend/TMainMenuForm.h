#pragma once
#include <QDialog>

#include "AppContext.h"

namespace tamb {

// The main menu with its title animation, lamps and password bar.
class TMainMenuForm : public QDialog {
    Q_OBJECT
public:
    explicit TMainMenuForm(AppContext& ctx);

    void AllLightsOff();
    QString ConfigFileName;

private:
    AppContext& ctx_;
};

}  // namespace tamb
