#pragma once
#include <QDialog>

#include "AppContext.h"

class QCheckBox;

namespace tamb {

// The options: game speed and sound effects.
class TParamsForm : public QDialog {
    Q_OBJECT
public:
    explicit TParamsForm(AppContext& ctx);

    void ParamsInit();
    void ParamsSet();

    QCheckBox* SoundControl = nullptr;

private:
    AppContext& ctx_;
};

}  // namespace tamb
