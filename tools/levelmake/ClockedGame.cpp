#include "ClockedGame.h"

#include "GameHost.h"
#include "Rules.h"

namespace tamb::levelmake {

namespace {
constexpr int kSpeed = 100;
}

int64_t ClockedGame::periodMs() { return TickPeriodMs(GameDelayForSpeed(kSpeed)); }

ClockedGame::ClockedGame(const GameLevel& level, int levelNumber) : s_(std::make_unique<GameState>()) {
    s_->LevelNumber = levelNumber;
    SetUpLevelState(*s_, level);
    s_->GameDelay = GameDelayForSpeed(kSpeed);
    kirpInterval_ = KirpIntervalMs(s_->GameDelay);
    nextKirp_ = kirpInterval_;
    nextAnimation_ = kAnimationIntervalMs;
    startLives_ = s_->Lives;
}

ClockedGame::ClockedGame(const ClockedGame& other)
    : s_(std::make_unique<GameState>(*other.s_)),
      kirpInterval_(other.kirpInterval_),
      nextKirp_(other.nextKirp_),
      nextAnimation_(other.nextAnimation_),
      slot_(other.slot_),
      startLives_(other.startLives_) {}

ClockedGame& ClockedGame::operator=(const ClockedGame& other) {
    if (this == &other) return *this;
    s_ = std::make_unique<GameState>(*other.s_);
    kirpInterval_ = other.kirpInterval_;
    nextKirp_ = other.nextKirp_;
    nextAnimation_ = other.nextAnimation_;
    slot_ = other.slot_;
    startLives_ = other.startLives_;
    return *this;
}

void ClockedGame::step(Command command) {
    if (ended()) return;
    NullGameHost host;
    const int64_t n = slot_ + 1;
    const int64_t now = n * periodMs();
    while (nextKirp_ <= now || nextAnimation_ <= now) {
        if (nextKirp_ <= nextAnimation_) {
            KirpTick(*s_, host);
            nextKirp_ += kirpInterval_;
        } else {
            AnimationTick(*s_);
            nextAnimation_ += kAnimationIntervalMs;
        }
    }
    s_->Command = command;
    RunTick(*s_, host);
    slot_ = n;
}

}  // namespace tamb::levelmake
