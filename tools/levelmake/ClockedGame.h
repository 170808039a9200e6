#pragma once
#include <cstdint>
#include <memory>

#include "GameLevel.h"
#include "GameState.h"
#include "SlotClock.h"

namespace tamb::levelmake {

// A level in play on the headless runner's virtual clock (speed 100): slot
// n runs at n x the tick period, the brick and animation timers at their
// own intervals before it. Copying it copies the whole game, so a search
// can go on from a snapshot.
class ClockedGame {
public:
    ClockedGame(const GameLevel& level, int levelNumber);
    ClockedGame(const ClockedGame& other);
    ClockedGame& operator=(const ClockedGame& other);
    ClockedGame(ClockedGame&&) = default;
    ClockedGame& operator=(ClockedGame&&) = default;

    // Runs the next slot with this command; nothing once the game ended.
    void step(Command command);

    const GameState& state() const { return *s_; }
    int64_t slot() const { return clock_.slot(); }
    bool ended() const { return s_->GameResult != GameResult::Normal; }
    bool passed() const { return s_->GameResult == GameResult::LevelPassed; }
    // The man has lost a life (or the game) since the start.
    bool manDied() const { return s_->Lives != startLives_ || s_->GameResult == GameResult::ManKilled; }

    static int64_t periodMs();
    static double seconds(int64_t slots) { return static_cast<double>(slots * periodMs()) / 1000.0; }

private:
    std::unique_ptr<GameState> s_;
    SlotClock clock_;
    int startLives_ = 0;
};

}  // namespace tamb::levelmake
