#include "RecordingAudioOutput.h"

#include "TambError.h"

namespace tamb {

AudioOutput::Clip RecordingAudioOutput::open(const QString& fileName) {
    if (checkFiles_) checkWaveFile(fileName);
    log_ << QStringLiteral("open ") + fileName;
    clips_.push_back(fileName);
    return static_cast<Clip>(clips_.size() - 1);
}

void RecordingAudioOutput::play(Clip clip) {
    if (clip < 0 || clip >= static_cast<Clip>(clips_.size())) return;
    log_ << QStringLiteral("play ") + clips_[static_cast<size_t>(clip)];
}

void RecordingAudioOutput::playOneShot(const QString& fileName) {
    try {
        checkWaveFile(fileName);
        log_ << QStringLiteral("oneshot ") + fileName;
    } catch (const TambError&) {
        log_ << QStringLiteral("oneshot default");
    }
}

void RecordingAudioOutput::stop() { log_ << QStringLiteral("stop"); }

}  // namespace tamb
