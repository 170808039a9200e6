#pragma once
#include <algorithm>
#include <functional>

#include "TimerClock.h"

namespace tamb::test {

// A timer clock that moves only when the test moves it: advance() makes each
// call that falls due on the way, at its own time.
class VirtualTimerClock final : public TimerClock {
public:
    qint64 now() const override { return now_; }
    void callAfter(int ms, std::function<void()> due) override {
        due_ = std::move(due);
        at_ = now_ + ms;
        pending_ = true;
    }
    void cancel() override { pending_ = false; }

    void advanceTo(qint64 t) {
        while (pending_ && at_ <= t) {
            now_ = std::max(now_, at_);
            pending_ = false;
            const auto due = due_;
            due();
        }
        now_ = std::max(now_, t);
    }
    void advance(qint64 ms) { advanceTo(now_ + ms); }
    // Time that passes inside a call (a handler that holds the thread up).
    void spend(qint64 ms) { now_ += ms; }

private:
    qint64 now_ = 0;
    qint64 at_ = 0;
    bool pending_ = false;
    std::function<void()> due_;
};

}  // namespace tamb::test
