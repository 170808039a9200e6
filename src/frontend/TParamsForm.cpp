#include "TParamsForm.h"

#include <QCheckBox>

namespace tamb {

TParamsForm::TParamsForm(AppContext& ctx) : ctx_(ctx) {
    SoundControl = new QCheckBox(QStringLiteral("Звуковые эффекты"), this);
    SoundControl->setChecked(true);
}

void TParamsForm::ParamsInit() {}
void TParamsForm::ParamsSet() {}

}  // namespace tamb
