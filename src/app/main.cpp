#include "AppContext.h"
#include "ScreenScale.h"
#include "TDataForm.h"
#include "TEditorForm.h"
#include "TMainForm.h"
#include "TMainMenuForm.h"
#include "TParamsForm.h"
#include "TPrepareForm.h"
#include "TambApplication.h"

int main(int argc, char** argv) {
    // Must be chosen before the application object exists.
    tamb::chooseInterfaceScale(argc, argv);
    tamb::TambApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Tamb"));
    tamb::AppContext ctx;
    // The six forms, in this order; each lives until the program ends.
    tamb::TMainForm mainForm(ctx);
    ctx.MainForm = &mainForm;
    tamb::TDataForm dataForm(ctx);
    ctx.DataForm = &dataForm;
    tamb::TMainMenuForm menuForm(ctx);
    ctx.MainMenuForm = &menuForm;
    tamb::TPrepareForm prepareForm(ctx);
    ctx.PrepareForm = &prepareForm;
    tamb::TEditorForm editorForm(ctx);
    ctx.EditorForm = &editorForm;
    tamb::TParamsForm paramsForm(ctx);
    ctx.ParamsForm = &paramsForm;
    mainForm.showAndActivate();
    return app.exec();
}
