#include "TDataForm.h"

#include <QDir>

namespace tamb {

TDataForm::TDataForm(AppContext& ctx) : ctx_(ctx), baseFolder_(QDir::currentPath()) {
    LB1 = QStringList{"1", "100", "1", "", "", "", "", "", "", "", ""};
}

}  // namespace tamb
