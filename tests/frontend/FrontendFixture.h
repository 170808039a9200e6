#pragma once
#include <gtest/gtest.h>

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
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

// The six forms of the program built the way the entry builds them, with a
// fresh empty game folder as the current directory. Sounds that the menu
// and the options ask for are recorded (only while the sound switch is on,
// as the game screen would play them); error reports are recorded too.
class FrontendFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        savedDir = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(folder.path()));
        savedReport = ErrorReport::setHandler([this](const QString& m) { errors << m; });
        mainForm = std::make_unique<TMainForm>(ctx);
        ctx.MainForm = mainForm.get();
        dataForm = std::make_unique<TDataForm>(ctx, std::make_unique<RecordingAudioOutput>());
        ctx.DataForm = dataForm.get();
        menu = std::make_unique<TMainMenuForm>(ctx);
        ctx.MainMenuForm = menu.get();
        prepareForm = std::make_unique<TPrepareForm>(ctx);
        ctx.PrepareForm = prepareForm.get();
        editorForm = std::make_unique<TEditorForm>(ctx);
        ctx.EditorForm = editorForm.get();
        params = std::make_unique<TParamsForm>(ctx);
        ctx.ParamsForm = params.get();
        auto record = [this](const QString& name) {
            if (ctx.soundEnabled) sounds << name;
        };
        menu->soundHook = record;
        params->soundHook = record;
        // The empty folder has no sound files; what start-up reports about
        // them is not the business of these tests.
        errors.clear();
    }

    void TearDown() override {
        params.reset();
        editorForm.reset();
        prepareForm.reset();
        menu.reset();
        dataForm.reset();
        mainForm.reset();
        ErrorReport::setHandler(savedReport);
        QDir::setCurrent(savedDir);
    }

    QString cfgPath() const { return folder.filePath(QStringLiteral("tamb.cfg")); }

    QTemporaryDir folder;
    QString savedDir;
    ErrorReport::Handler savedReport;
    AppContext ctx;
    std::unique_ptr<TMainForm> mainForm;
    std::unique_ptr<TDataForm> dataForm;
    std::unique_ptr<TMainMenuForm> menu;
    std::unique_ptr<TPrepareForm> prepareForm;
    std::unique_ptr<TEditorForm> editorForm;
    std::unique_ptr<TParamsForm> params;
    QStringList sounds;
    QStringList errors;
};

}  // namespace tamb::test
