#pragma once
#include <QStringList>
#include <vector>

#include "AudioOutput.h"

namespace tamb {

// An audio output that plays nothing and writes down what it was asked,
// for tests and headless runs. Opening accepts any file unless it is told
// to check files like the real output does. Entries: "open <file>", "play <file>", "oneshot <file>" ("oneshot
// default" for a missing file), "stop".
class RecordingAudioOutput final : public AudioOutput {
public:
    explicit RecordingAudioOutput(bool checkFiles = false) : checkFiles_(checkFiles) {}

    Clip open(const QString& fileName) override;
    void play(Clip clip) override;
    void playOneShot(const QString& fileName) override;
    void stop() override;

    const QStringList& log() const { return log_; }
    void clear() { log_.clear(); }

private:
    bool checkFiles_;
    QStringList log_;
    std::vector<QString> clips_;
};

}  // namespace tamb
