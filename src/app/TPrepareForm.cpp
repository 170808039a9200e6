#include "TPrepareForm.h"

#include <QProgressBar>
#include <QTimer>

namespace tamb {

TPrepareForm::TPrepareForm(AppContext& ctx) : ctx_(ctx) {
    PrepareProgress = new QProgressBar(this);
    PrepareTimer = new QTimer(this);
}

}  // namespace tamb
