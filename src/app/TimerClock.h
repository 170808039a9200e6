#pragma once
#include <QElapsedTimer>
#include <QTimer>
#include <functional>

namespace tamb {

// What a timer of the game screen needs of time: the time now, and one
// call at a later time. The program uses Qt's clock and timer; tests give
// a clock they move on themselves.
class TimerClock {
public:
    virtual ~TimerClock() = default;
    // Milliseconds since some fixed start.
    virtual qint64 now() const = 0;
    // Calls `due` once, `ms` from now (0: on the next pass of the event
    // loop, not from inside the caller); replaces a call not yet made.
    virtual void callAfter(int ms, std::function<void()> due) = 0;
    virtual void cancel() = 0;
};

class QtTimerClock final : public TimerClock {
public:
    QtTimerClock();
    qint64 now() const override { return clock_.elapsed(); }
    void callAfter(int ms, std::function<void()> due) override;
    void cancel() override { timer_.stop(); }

private:
    QElapsedTimer clock_;
    QTimer timer_;
    std::function<void()> due_;
};

}  // namespace tamb
