#pragma once
#include <gtest/gtest.h>

#include <QWidget>
#include <functional>
#include <memory>

#include "AppContext.h"
#include "CapturedReports.h"
#include "GameFlow.h"
#include "RecordingAudioOutput.h"
#include "TDataForm.h"
#include "TEditorForm.h"
#include "TMainForm.h"
#include "TMainMenuForm.h"
#include "TParamsForm.h"
#include "TPrepareForm.h"
#include "TambForms.h"
#include "TempGameFolder.h"

namespace tamb::test {

// The program's six forms, built and destroyed by the program's own
// composition root over the current directory, with the sound recorded and
// error reports and message boxes captured (into `captured` when given).
struct FormsHarness {
    explicit FormsHarness(CapturedReports* captured = nullptr, bool checkSoundFiles = false);

    std::unique_ptr<CapturedReports> ownReports;
    CapturedReports& reports;
    RecordingAudioOutput* audio = nullptr;
    std::unique_ptr<TambForms> root;
    AppContext& ctx;
    TMainForm* main;
    TDataForm* data;
    TMainMenuForm* menu;
    TPrepareForm* prepare;
    TEditorForm* editor;
    TParamsForm* params;
    GameFlow* flow;
    QStringList& errors;
};

// A test over the forms in a fresh temporary game folder. The forms are
// made by createForms() (after the test has laid out the folder).
class FormsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    void TearDown() override { destroyForms(); }

    void createForms(bool checkSoundFiles = true);
    void destroyForms();
    // A complete folder: graphics and every sound.
    void writeGameFolder();
    AppContext& ctx() { return forms->ctx; }
    // The sounds the menu and the options ask for go to `sounds` (only while
    // the sound switch is on, as the players would play them).
    void recordMenuSounds();

    TempGameFolder dir;
    CapturedReports reports;
    QStringList& errors = reports.errors;
    std::unique_ptr<FormsHarness> forms;
    RecordingAudioOutput* audio = nullptr;
    TMainForm* mainForm = nullptr;
    TDataForm* dataForm = nullptr;
    TMainMenuForm* menuForm = nullptr;
    TPrepareForm* prepareForm = nullptr;
    TEditorForm* editorForm = nullptr;
    TParamsForm* paramsForm = nullptr;
    QStringList sounds;
};

// Where a test keeps a screenshot for people to look at: the build tree's
// shots/ folder (made when missing).
QString screenshotPath(const QString& name);

// Closes a modal form (the menu) once it shows, first running `onShown`
// to look at the game or to choose for the player.
struct MenuCloser {
    QWidget* menu;
    std::function<void()> onShown;
    int shown = 0;
    void arm();
};

}  // namespace tamb::test
