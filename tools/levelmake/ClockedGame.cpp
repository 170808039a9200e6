#include "ClockedGame.h"

#include "GameHost.h"
#include "Rules.h"

namespace tamb::levelmake {

namespace {
constexpr int kSpeed = 100;
}

int64_t ClockedGame::periodMs() { return TickPeriodMs(GameDelayForSpeed(kSpeed)); }

ClockedGame::ClockedGame(const GameLevel& level, int levelNumber)
    : s_(std::make_unique<GameState>()), clock_(kSpeed) {
    s_->LevelNumber = levelNumber;
    SetUpLevelState(*s_, level);
    s_->GameDelay = clock_.gameDelay();
    startLives_ = s_->Lives;
}

ClockedGame::ClockedGame(const ClockedGame& other)
    : s_(std::make_unique<GameState>(*other.s_)), clock_(other.clock_), startLives_(other.startLives_) {}

ClockedGame& ClockedGame::operator=(const ClockedGame& other) {
    if (this == &other) return *this;
    s_ = std::make_unique<GameState>(*other.s_);
    clock_ = other.clock_;
    startLives_ = other.startLives_;
    return *this;
}

void ClockedGame::step(Command command) {
    if (ended()) return;
    // The same clock the headless runner and the route finder step by.
    NullGameHost host;
    clock_.runTimers(*s_, host);
    s_->Command = command;
    clock_.runSlot(*s_, host);
}

}  // namespace tamb::levelmake
