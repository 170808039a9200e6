#include "TEditorForm.h"

namespace tamb {

TEditorForm::TEditorForm(AppContext& ctx) : ctx_(ctx) {
    WorkingPanel = new QWidget(this);
    EditorImage = new QWidget(this);
}

}  // namespace tamb
