#include "CoalescingTimer.h"

#include <algorithm>

namespace tamb {

CoalescingTimer::CoalescingTimer(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    clock_.start();
    connect(&timer_, &QTimer::timeout, this, &CoalescingTimer::fire);
}

void CoalescingTimer::setInterval(int ms) {
    interval_ = std::max(ms, 0);
    if (active_) start();
}

void CoalescingTimer::start() {
    active_ = true;
    next_ = clock_.elapsed() + interval_;
    arm();
}

void CoalescingTimer::stop() {
    active_ = false;
    timer_.stop();
}

void CoalescingTimer::shareWake() {
    if (!active_ || clock_.elapsed() < next_ - window_) return;
    // Zero time: the event loop fires it on this same pass, without sleeping.
    timer_.start(0);
}

void CoalescingTimer::arm() {
    timer_.start(static_cast<int>(std::max<qint64>(0, next_ + window_ - clock_.elapsed())));
}

void CoalescingTimer::fire() {
    if (!active_) return;
    const qint64 now = clock_.elapsed();
    next_ += interval_;
    // Held up for longer than a period (a modal screen, a slow machine):
    // go on from now rather than firing the missed ones in a burst.
    if (next_ + window_ < now) next_ = now + interval_;
    arm();
    emit timeout();
}

}  // namespace tamb
