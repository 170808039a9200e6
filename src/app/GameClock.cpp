#include "GameClock.h"

namespace tamb {

GameClock::Duration SteadyGameClock::now() {
    return std::chrono::steady_clock::now().time_since_epoch();
}

void SteadyGameClock::waitUntil(Duration deadline) {
    const std::chrono::steady_clock::time_point until(deadline);
    std::unique_lock lock(mutex_);
    cv_.wait_until(lock, until, [this] { return woken_; });
    woken_ = false;
}

void SteadyGameClock::wake() {
    {
        std::lock_guard lock(mutex_);
        woken_ = true;
    }
    cv_.notify_all();
}

}  // namespace tamb
