#pragma once
#include <QStringList>
#include <QWidget>
#include <memory>

#include "AppContext.h"
#include "AudioOutput.h"
#include "MediaPlayer.h"

namespace tamb {

// Never shown: holds the base folder, the sound players and the lists of
// text lines (the level in play, the level being edited, the configuration).
class TDataForm : public QWidget {
    Q_OBJECT
public:
    // Opens the five players at once. Without an output it uses the sound
    // device; tests pass a RecordingAudioOutput. A player that cannot be
    // opened is reported (ErrorReport) and the players after it stay closed.
    explicit TDataForm(AppContext& ctx, std::unique_ptr<AudioOutput> audio = {});
    ~TDataForm() override;

    // The current directory at start-up, without a final separator.
    QString baseFolder() const { return baseFolder_; }
    AudioOutput& audio() { return *audio_; }
    // The options' sound switch, readable from any thread.
    bool soundEnabled() const { return ctx_.soundEnabled; }

    QStringList LevelData;
    MediaPlayer ShowingSound;
    MediaPlayer FanfarsSound;
    QStringList EditorListBox;
    QStringList LB1;
    MediaPlayer OutOfScreenSound;
    MediaPlayer PasswordSound;
    MediaPlayer DoorAppearSound;

private:
    void FormCreate();

    AppContext& ctx_;
    QString baseFolder_;
    std::unique_ptr<AudioOutput> audio_;
};

}  // namespace tamb
