#include "SlotClock.h"

#include <algorithm>

#include "Rules.h"

namespace tamb {

SlotClock::SlotClock(int speed)
    : gameDelay_(GameDelayForSpeed(std::clamp(speed, 0, 100))),
      period_(TickPeriodMs(gameDelay_)),
      kirpInterval_(KirpIntervalMs(gameDelay_)),
      nextKirp_(kirpInterval_),
      nextAnimation_(kAnimationIntervalMs) {}

SlotClock::SlotClock(int speed, int64_t slot) : SlotClock(speed) {
    slot_ = slot;
    const int64_t now = slot * period_;
    nextKirp_ = (now / kirpInterval_ + 1) * kirpInterval_;
    nextAnimation_ = (now / kAnimationIntervalMs + 1) * kAnimationIntervalMs;
}

void SlotClock::runTimers(GameState& s, GameHost& host, bool animation) {
    const int64_t now = (slot_ + 1) * period_;
    while (nextKirp_ <= now || nextAnimation_ <= now) {
        if (nextKirp_ <= nextAnimation_) {
            KirpTick(s, host);
            nextKirp_ += kirpInterval_;
        } else {
            if (animation) AnimationTick(s);
            nextAnimation_ += kAnimationIntervalMs;
        }
    }
}

bool SlotClock::runSlot(GameState& s, GameHost& host) {
    if (s.Command == Command::Exit) return false;
    RunTick(s, host);
    ++slot_;
    return true;
}

}  // namespace tamb
