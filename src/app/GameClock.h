#pragma once
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace tamb {

// The clock that paces the game thread. Waiting is interruptible: the user
// interface wakes the thread when it writes a new command, so "exit" and
// the end of a pause are seen without waiting out a whole tick.
class GameClock {
public:
    using Duration = std::chrono::nanoseconds;

    virtual ~GameClock() = default;
    // Time since some fixed start.
    virtual Duration now() = 0;
    // Sleeps until `deadline` or until wake() was called (since the last
    // wait returned); returns at once when the deadline has passed.
    virtual void waitUntil(Duration deadline) = 0;
    virtual void wake() = 0;
};

// The real clock: steady time, a condition variable for the wait.
class SteadyGameClock final : public GameClock {
public:
    Duration now() override;
    void waitUntil(Duration deadline) override;
    void wake() override;

private:
    std::mutex mutex_;
    std::condition_variable cv_;
    bool woken_ = false;
};

}  // namespace tamb
