#include "RoutePlayer.h"

#include "Rules.h"

namespace tamb {

namespace {
// After the route's last command the man may still be walking to the door.
constexpr int64_t kSlotsAfterRoute = 2000;
}  // namespace

RoutePlayer::RoutePlayer(GameState& state, GameHost& host, QObject* parent)
    : QObject(parent), state_(state), host_(host) {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { step(); });
}

void RoutePlayer::start(std::vector<ScriptEntry> route, int speed) {
    route_ = std::move(route);
    next_ = 0;
    clock_ = SlotClock(speed);
    state_.GameDelay = clock_.gameDelay();
    state_.Command = Command::Stop;
    playing_ = true;
    timer_.start(TickPeriodMs(clock_.gameDelay()));
}

void RoutePlayer::stop() {
    timer_.stop();
    playing_ = false;
}

bool RoutePlayer::step() {
    if (!playing_) return false;
    // As the headless runner does: the timers due, the commands of the
    // slot, then the slot.
    clock_.runTimers(state_, host_);
    const int64_t slot = clock_.slot() + 1;
    while (next_ < route_.size() && route_[next_].slot <= slot) state_.Command = route_[next_++].command;
    const int64_t lastSlot = route_.empty() ? 0 : route_.back().slot;
    if (!clock_.runSlot(state_, host_) || state_.GameResult != GameResult::Normal ||
        clock_.slot() > lastSlot + kSlotsAfterRoute) {
        stop();
        emit finished(state_.GameResult);
        return false;
    }
    return true;
}

}  // namespace tamb
