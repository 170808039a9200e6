#include "MediaPlayer.h"

namespace tamb {

void MediaPlayer::open(AudioOutput& output) {
    clip_ = output.open(fileName_);
    output_ = &output;
}

void MediaPlayer::play() {
    if (output_) output_->play(clip_);
}

}  // namespace tamb
