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
#include "TestGameFolder.h"

namespace tamb::test {

// The six forms over a temporary game folder that is the current directory
// while they exist. Errors go to `errors`, sounds to `audio`.
class FormsFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        oldDir = QDir::currentPath();
        QDir::setCurrent(dir.path());
        oldHandler = ErrorReport::setHandler([this](const QString& m) { errors << m; });
    }
    void TearDown() override {
        destroyForms();
        ErrorReport::setHandler(oldHandler);
        QDir::setCurrent(oldDir);
    }

    void createForms() {
        auto recording = std::make_unique<RecordingAudioOutput>(true);
        audio = recording.get();
        mainForm = std::make_unique<TMainForm>(ctx);
        ctx.MainForm = mainForm.get();
        dataForm = std::make_unique<TDataForm>(ctx, std::move(recording));
        ctx.DataForm = dataForm.get();
        menuForm = std::make_unique<TMainMenuForm>(ctx);
        ctx.MainMenuForm = menuForm.get();
        prepareForm = std::make_unique<TPrepareForm>(ctx);
        ctx.PrepareForm = prepareForm.get();
        editorForm = std::make_unique<TEditorForm>(ctx);
        ctx.EditorForm = editorForm.get();
        paramsForm = std::make_unique<TParamsForm>(ctx);
        ctx.ParamsForm = paramsForm.get();
    }
    void destroyForms() {
        paramsForm.reset();
        editorForm.reset();
        prepareForm.reset();
        menuForm.reset();
        dataForm.reset();
        mainForm.reset();
    }
    // A complete folder: graphics, every sound and the given levels.
    void writeGameFolder() {
        writeGraphics(dir.path());
        writeAllSounds(dir.path());
    }

    QTemporaryDir dir;
    QString oldDir;
    ErrorReport::Handler oldHandler;
    QStringList errors;
    AppContext ctx;
    RecordingAudioOutput* audio = nullptr;
    std::unique_ptr<TMainForm> mainForm;
    std::unique_ptr<TDataForm> dataForm;
    std::unique_ptr<TMainMenuForm> menuForm;
    std::unique_ptr<TPrepareForm> prepareForm;
    std::unique_ptr<TEditorForm> editorForm;
    std::unique_ptr<TParamsForm> paramsForm;
};

}  // namespace tamb::test
