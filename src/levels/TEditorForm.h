#pragma once
#include <QDialog>

#include "AppContext.h"

namespace tamb {

// The level editor.
class TEditorForm : public QDialog {
    Q_OBJECT
public:
    explicit TEditorForm(AppContext& ctx);

    QWidget* WorkingPanel = nullptr;
    QWidget* EditorImage = nullptr;

private:
    AppContext& ctx_;
};

}  // namespace tamb
