#pragma once
#include <QString>
#include <memory>

namespace tamb {

// Where the game's sounds go. Two kinds of playing: clips opened once and
// played again and again (the media players), and the one-shot channel of
// the play-sound call, where a new sound cuts off the one still playing.
// Used on the user-interface thread only.
class AudioOutput {
public:
    using Clip = int;

    virtual ~AudioOutput() = default;
    // Opens a WAV file as a clip; throws TambError with the reason when it
    // cannot (missing file, not a WAV).
    virtual Clip open(const QString& fileName) = 0;
    // Plays a clip: a clip still playing goes on, one that has ended starts
    // again from its beginning.
    virtual void play(Clip clip) = 0;
    // Plays a WAV file on the one-shot channel; a missing or unreadable file
    // plays a short default sound instead and reports nothing.
    virtual void playOneShot(const QString& fileName) = 0;
    // Silences everything.
    virtual void stop() = 0;
};

// The sound device (QSoundEffect).
std::unique_ptr<AudioOutput> makeSystemAudioOutput();

// Throws TambError naming the file unless it is a readable RIFF WAVE file.
void checkWaveFile(const QString& fileName);

}  // namespace tamb
