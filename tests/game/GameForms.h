#pragma once
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "AppContext.h"
#include "ErrorReport.h"
#include "RecordingAudioOutput.h"
#include "TDataForm.h"
#include "TEditorForm.h"
#include "TMainForm.h"
#include "TMainMenuForm.h"
#include "TParamsForm.h"
#include "TPrepareForm.h"

namespace tamb::test {

// The program's six forms, created in the program's order. Make it in the
// game folder the test plays in: the data holder takes the current
// directory as its base folder.
struct GameForms {
    AppContext ctx;
    std::unique_ptr<TMainForm> main;
    std::unique_ptr<TDataForm> data;
    std::unique_ptr<TMainMenuForm> menu;
    std::unique_ptr<TPrepareForm> prepare;
    std::unique_ptr<TEditorForm> editor;
    std::unique_ptr<TParamsForm> params;

    // What the program would have reported in its error box.
    QStringList errors;
    ErrorReport::Handler oldHandler;

    GameForms() {
        oldHandler = ErrorReport::setHandler([this](const QString& m) { errors << m; });
        main = std::make_unique<TMainForm>(ctx);
        ctx.MainForm = main.get();
        data = std::make_unique<TDataForm>(ctx, std::make_unique<RecordingAudioOutput>());
        ctx.DataForm = data.get();
        menu = std::make_unique<TMainMenuForm>(ctx);
        ctx.MainMenuForm = menu.get();
        prepare = std::make_unique<TPrepareForm>(ctx);
        ctx.PrepareForm = prepare.get();
        editor = std::make_unique<TEditorForm>(ctx);
        ctx.EditorForm = editor.get();
        params = std::make_unique<TParamsForm>(ctx);
        ctx.ParamsForm = params.get();
    }
    ~GameForms() {
        // The game screen ends a running game before the other forms go.
        main.reset();
        params.reset();
        editor.reset();
        prepare.reset();
        menu.reset();
        data.reset();
        ErrorReport::setHandler(oldHandler);
    }
};

// Closes a modal form (the menu) once it shows, first running `onShown`
// to look at the game or to choose for the player.
struct MenuCloser {
    QWidget* menu;
    std::function<void()> onShown;
    int shown = 0;
    void arm() {
        QTimer::singleShot(20, menu, [this] {
            if (!menu->isVisible()) return arm();
            ++shown;
            if (onShown) onShown();
            menu->hide();
        });
    }
};

}  // namespace tamb::test
