#pragma once
#include <QPointer>
#include <QThread>
#include <atomic>
#include <functional>
#include <memory>

#include "GameClock.h"
#include "GameHost.h"
#include "GameState.h"

namespace tamb {

// The game thread: runs the rules of the level in play, one tick every
// TickPeriodMs(GameDelay), until Command is "exit". It draws nothing itself;
// every drawing request goes through the host, which hands it to the
// user-interface thread.
//
// The object is created on the user-interface thread, starts itself at the
// lowest priority and deletes itself (deleteLater) once the thread has
// ended; hold it in a QPointer, which then becomes null.
class TManControl : public QThread {
    Q_OBJECT
public:
    using TickFunction = std::function<void(GameState&, GameHost&)>;

    // Starts the thread at once. The state is filled and the host lives
    // longer than the thread.
    TManControl(GameState& state, GameHost& host);
    // For tests: the tick and the clock can be replaced.
    TManControl(GameState& state, GameHost& host, TickFunction tick, std::unique_ptr<GameClock> clock);
    ~TManControl() override;

    // Wakes the thread out of its wait between ticks or in a pause, so a
    // new Command is seen at once. Called after every write of Command.
    void wake();

    // Writes "exit" and waits until the thread has ended, serving its calls
    // to the user-interface thread meanwhile. Does nothing without a thread.
    static void stop(QPointer<TManControl>& thread, GameState& state);
    // Waits until the thread has ended (it must be on its way out) while
    // serving its calls to the user-interface thread. The object is not
    // touched after its end; on return `thread` is null.
    static void waitForEnd(QPointer<TManControl>& thread);

protected:
    void run() override;

private:
    void runTicks();

    GameState& state_;
    GameHost& host_;
    TickFunction tick_;
    std::unique_ptr<GameClock> clock_;
    // Set last by run(): orders everything the thread did before whoever
    // deletes the object (Qt's own end-of-thread signalling is invisible to
    // a thread checker).
    std::atomic<bool> ended_{false};
};

}  // namespace tamb
