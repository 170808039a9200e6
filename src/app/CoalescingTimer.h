#pragma once
#include <QObject>
#include <memory>

#include "TimerClock.h"

namespace tamb {

// A repeating timer that would rather fire while its thread is awake anyway.
// While a level runs, the game thread wakes the user-interface thread every
// tick with its drawing requests; a firing due within `window` milliseconds
// of such a wake-up (reported through shareWake()) is taken then, so the
// timer costs no wake-up of its own. The deadlines stay on the interval's
// grid, so the period holds on average and a firing is at most `window`
// early or late. With no wake-ups to share it fires `window` after each
// deadline. Like QTimer, it does not make up firings it missed.
class CoalescingTimer : public QObject {
    Q_OBJECT
public:
    // Keeps its deadlines on `clock` (Qt's clock and timer unless given).
    explicit CoalescingTimer(QObject* parent = nullptr, std::unique_ptr<TimerClock> clock = {});

    int interval() const { return interval_; }
    // On a running timer this starts the period anew, as QTimer does.
    void setInterval(int ms);
    int window() const { return window_; }
    void setWindow(int ms) { window_ = ms; }
    bool isActive() const { return active_; }

    void start();
    void stop();
    // The thread is awake for something else: a firing due within the
    // window is taken now (from the event loop, not from inside the caller).
    void shareWake();

signals:
    void timeout();

private:
    void fire();
    void arm();

    std::unique_ptr<TimerClock> clock_;
    qint64 next_ = 0;  // the next deadline, ms on clock_
    int interval_ = 0;
    int window_ = 15;
    bool active_ = false;
};

}  // namespace tamb
