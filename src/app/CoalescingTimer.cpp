#include "CoalescingTimer.h"

#include <algorithm>

namespace tamb {

CoalescingTimer::CoalescingTimer(QObject* parent, std::unique_ptr<TimerClock> clock)
    : QObject(parent), clock_(clock ? std::move(clock) : std::make_unique<QtTimerClock>()) {}

void CoalescingTimer::setInterval(int ms) {
    interval_ = std::max(ms, 0);
    if (active_) start();
}

void CoalescingTimer::start() {
    active_ = true;
    next_ = clock_->now() + interval_;
    arm();
}

void CoalescingTimer::stop() {
    active_ = false;
    clock_->cancel();
}

void CoalescingTimer::shareWake() {
    if (!active_ || clock_->now() < next_ - window_) return;
    // Zero time: the event loop fires it on this same pass, without sleeping.
    clock_->callAfter(0, [this] { fire(); });
}

void CoalescingTimer::arm() {
    clock_->callAfter(static_cast<int>(std::max<qint64>(0, next_ + window_ - clock_->now())), [this] { fire(); });
}

void CoalescingTimer::fire() {
    if (!active_) return;
    const qint64 now = clock_->now();
    next_ += interval_;
    // Held up for longer than a period (a modal screen, a slow machine):
    // go on from now rather than firing the missed ones in a burst.
    if (next_ + window_ < now) next_ = now + interval_;
    arm();
    emit timeout();
}

}  // namespace tamb
