#pragma once
#include <QString>

#include "AudioOutput.h"

namespace tamb {

// One of the data holder's sound players: opened once on its WAV file,
// then played on request.
class MediaPlayer {
public:
    void setFileName(const QString& fileName) { fileName_ = fileName; }
    const QString& fileName() const { return fileName_; }

    // Throws TambError when the file cannot be opened; the player then
    // stays closed.
    void open(AudioOutput& output);
    bool isOpen() const { return output_ != nullptr; }
    // Plays the clip (a closed player does nothing; callers decide how to
    // report that).
    void play();

private:
    QString fileName_;
    AudioOutput* output_ = nullptr;
    AudioOutput::Clip clip_ = -1;
};

}  // namespace tamb
