#include "TimerClock.h"

namespace tamb {

QtTimerClock::QtTimerClock() {
    clock_.start();
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (due_) due_();
    });
}

void QtTimerClock::callAfter(int ms, std::function<void()> due) {
    due_ = std::move(due);
    timer_.start(ms);
}

}  // namespace tamb
