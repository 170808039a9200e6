#pragma once
#include <QObject>
#include <QTimer>
#include <cstddef>
#include <vector>

#include "GameHost.h"
#include "GameState.h"
#include "HeadlessRun.h"
#include "SlotClock.h"

namespace tamb {

// Shows a route on the game screen. The rules run on the user-interface
// thread on the virtual clock the route was made on (the slots with the
// brick and animation timers between them), paced by a timer at the slot
// period, so the man walks exactly the way the route was found and no game
// thread runs meanwhile.
class RoutePlayer : public QObject {
    Q_OBJECT
public:
    // The host draws on the user-interface thread.
    RoutePlayer(GameState& state, GameHost& host, QObject* parent = nullptr);

    // The state stands at the start of the level. Routes are made at speed 100.
    void start(std::vector<ScriptEntry> route, int speed = 100);
    // Ends the show where it stands; finished() is not sent.
    void stop();
    bool playing() const { return playing_; }
    // The last slot that ran.
    int64_t slot() const { return clock_.slot(); }

    // One slot, as the timer runs it; false once the show is over.
    bool step();

signals:
    // The route has been played to its end: the level passed, or the man
    // lost his last life (their result), or the route ran out (Normal).
    void finished(tamb::GameResult result);

private:
    GameState& state_;
    GameHost& host_;
    QTimer timer_;
    SlotClock clock_;
    std::vector<ScriptEntry> route_;
    std::size_t next_ = 0;
    bool playing_ = false;
};

}  // namespace tamb
