#include "TMainMenuForm.h"

namespace tamb {

TMainMenuForm::TMainMenuForm(AppContext& ctx) : ctx_(ctx) {}

void TMainMenuForm::AllLightsOff() {}

}  // namespace tamb
