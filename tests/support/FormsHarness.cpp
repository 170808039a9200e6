#include "FormsHarness.h"

#include <QDir>
#include <QTimer>

#include "TestGameFolder.h"

namespace tamb::test {

namespace {

std::unique_ptr<TambForms> makeRoot(bool checkSoundFiles, RecordingAudioOutput*& audio) {
    auto recording = std::make_unique<RecordingAudioOutput>(checkSoundFiles);
    audio = recording.get();
    return std::make_unique<TambForms>(std::move(recording));
}

}  // namespace

FormsHarness::FormsHarness(CapturedReports* captured, bool checkSoundFiles)
    : ownReports(captured ? nullptr : std::make_unique<CapturedReports>()),
      reports(captured ? *captured : *ownReports),
      root(makeRoot(checkSoundFiles, audio)),
      ctx(root->context()),
      main(&root->main()),
      data(&root->data()),
      menu(&root->menu()),
      prepare(&root->prepare()),
      editor(&root->editor()),
      params(&root->params()),
      flow(&root->flow()),
      errors(reports.errors) {}

void FormsTest::createForms(bool checkSoundFiles) {
    forms = std::make_unique<FormsHarness>(&reports, checkSoundFiles);
    audio = forms->audio;
    mainForm = forms->main;
    dataForm = forms->data;
    menuForm = forms->menu;
    prepareForm = forms->prepare;
    editorForm = forms->editor;
    paramsForm = forms->params;
}

void FormsTest::destroyForms() {
    forms.reset();
    mainForm = nullptr;
    dataForm = nullptr;
    menuForm = nullptr;
    prepareForm = nullptr;
    editorForm = nullptr;
    paramsForm = nullptr;
}

void FormsTest::recordMenuSounds() {
    auto record = [this](const QString& name) {
        if (ctx().soundEnabled) sounds << name;
    };
    menuForm->soundHook = record;
    paramsForm->soundHook = record;
}

void FormsTest::writeGameFolder() {
    writeGraphics(dir.path());
    writeAllSounds(dir.path());
}

QString screenshotPath(const QString& name) {
    const QString folder = QStringLiteral(TAMB_SHOTS_DIR);
    QDir().mkpath(folder);
    return folder + QLatin1Char('/') + name;
}

void MenuCloser::arm() {
    QTimer::singleShot(20, menu, [this] {
        if (!menu->isVisible()) return arm();
        ++shown;
        if (onShown) onShown();
        menu->hide();
    });
}

}  // namespace tamb::test
