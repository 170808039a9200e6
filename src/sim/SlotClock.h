#pragma once
#include <cstdint>

#include "GameHost.h"
#include "GameState.h"

namespace tamb {

// The virtual clock of a game played without a screen: game slot n runs at
// n x TickPeriodMs, the brick timer at every multiple of its interval and
// the animation timer every 100 ms; at equal times the brick timer runs
// first, then the animation timer, then the slot. The headless runner and
// the route finder both step through it, so a found route replays exactly.
// A plain value: copying it snapshots the clock.
class SlotClock {
public:
    explicit SlotClock(int speed = 100);
    // The clock of that speed as it stands after slot `slot` has run.
    SlotClock(int speed, int64_t slot);

    // 10000010 - 100000 x speed; the caller puts it into the state.
    int gameDelay() const { return gameDelay_; }
    // The last slot that ran (0 before the first).
    int64_t slot() const { return slot_; }
    // Milliseconds from the last slot to the brick timer's next step.
    int64_t kirpPhase() const { return nextKirp_ - slot_ * period_; }

    // Runs the timers due up to the time of the next slot. Calling it again
    // before runSlot does nothing. Without animation the animation timer
    // keeps its schedule but does not run: it only turns picture frames.
    void runTimers(GameState& s, GameHost& host, bool animation = true);

    // Top of the game thread's loop for the next slot: returns false on
    // "exit" (nothing runs, the clock stays), else one pass of RunTick.
    bool runSlot(GameState& s, GameHost& host);

private:
    int gameDelay_;
    int64_t period_;
    int64_t kirpInterval_;
    int64_t nextKirp_;
    int64_t nextAnimation_;
    int64_t slot_ = 0;
};

}  // namespace tamb
