#include "TManControl.h"

#include <QCoreApplication>
#include <QEventLoop>

#include "Rules.h"

namespace tamb {

TManControl::TManControl(GameState& state, GameHost& host)
    : TManControl(state, host, &RunTick, std::make_unique<SteadyGameClock>()) {}

TManControl::TManControl(GameState& state, GameHost& host, TickFunction tick, std::unique_ptr<GameClock> clock)
    : state_(state), host_(host), tick_(std::move(tick)), clock_(std::move(clock)) {
    connect(this, &QThread::finished, this, &QObject::deleteLater);
    start(QThread::LowestPriority);
}

TManControl::~TManControl() {
    // Reached through deleteLater after the end of run().
    wait();
    (void)ended_.load(std::memory_order_acquire);
}

void TManControl::wake() { clock_->wake(); }

void TManControl::run() {
    runTicks();
    // The last scene is served before the thread counts as ended.
    host_.finishDrawing();
    ended_.store(true, std::memory_order_release);
}

void TManControl::runTicks() {
    using Ms = std::chrono::milliseconds;
    const auto period = [this] { return Ms(TickPeriodMs(state_.GameDelay)); };
    const auto isExit = [this] { return state_.Command == Command::Exit; };

    auto next = clock_->now() + period();
    for (;;) {
        if (isExit()) return;
        // The tick time comes by a deadline, so ticks do not drift; a wake
        // only ends the wait early when the command asks for it.
        while (clock_->now() < next) {
            clock_->waitUntil(next);
            if (isExit()) return;
            if (state_.Command == Command::Pause) break;
        }
        if (state_.Command == Command::Pause) {
            while (state_.Command == Command::Pause) clock_->waitUntil(clock_->now() + period());
            if (isExit()) return;
            // The key that ended the pause acts at once.
            next = clock_->now();
        }
        host_.finishDrawing();
        tick_(state_, host_);
        next += period();
        // After a long tick (the user interface was busy) go on from now
        // rather than catching up with a burst of ticks.
        const auto now = clock_->now();
        if (next < now) next = now;
    }
}

void TManControl::stop(QPointer<TManControl>& thread, GameState& state) {
    if (!thread) return;
    state.Command = Command::Exit;
    thread->wake();
    waitForEnd(thread);
}

void TManControl::waitForEnd(QPointer<TManControl>& thread) {
    if (!thread) return;
    if (QThread::currentThread() != QCoreApplication::instance()->thread()) {
        thread->wait();
        return;
    }
    // The thread may sit in a blocking call to this thread before it can
    // see "exit": wait in an event loop that keeps serving those calls.
    {
        QEventLoop loop;
        QObject::connect(thread, &QThread::finished, &loop, &QEventLoop::quit);
        QObject::connect(thread, &QObject::destroyed, &loop, &QEventLoop::quit);
        if (!thread->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (thread) {
        // It has ended; its deleteLater may still be pending. Make sure of
        // the end of run() and drop it now.
        thread->wait();
        delete thread.data();
    }
    thread = nullptr;
}

}  // namespace tamb
