#pragma once
#include <QObject>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

#include "GameHost.h"

namespace tamb {

// The host the game thread talks to. Every drawing request is carried out
// on the user-interface thread by `uiSide` while the calling thread waits;
// a request made on the user-interface thread itself runs at once; `uiSide`
// repaints what it touched. The scene, the last request of a tick, is the
// one exception: the game thread goes on to wait for its next tick at once
// and calls finishDrawing() before it touches the state again, so it wakes
// once per tick instead of twice.
// Sound requests go straight to `uiSide`, which must accept them from any
// thread without blocking.
//
// The hand-over uses its own lock and condition (not a blocking queued
// connection) so that every byte passed between the threads is ordered by
// primitives a thread checker can see; Qt only carries the wake-up, as a
// plain posted event (cheaper than a queued call looked up by name).
class UiGameHost : public QObject, public GameHost {
    Q_OBJECT
public:
    // `uiSide` and this object belong to the user-interface thread.
    explicit UiGameHost(GameHost& uiSide, QObject* parent = nullptr);

    void drawScene(const GameState& s) override;
    void restoreAround(const GameState& s) override;
    void takeKlad(const GameState& s, int row, int col) override;
    void burnBrick(const GameState& s, int row, int col) override;
    void livesLabelUpdate(const GameState& s) override;
    void threadPlaysound(std::string_view event) override;
    void drawRegrowthFrame(const GameState& s, int row, int col, int v) override;
    void finishDrawing() override;

signals:
    // The user-interface thread served the game thread's requests (it is
    // awake for them: other periodic work may share the wake-up).
    void callsServed();

protected:
    bool event(QEvent* e) override;

private:
    void serveCalls();

    struct Call {
        std::function<void()> run;
        bool done = false;
    };
    // Runs `fn` on the user-interface thread and returns when it is done.
    void runOnUi(std::function<void()> fn);
    // Hands `fn` to the user-interface thread without waiting for it.
    void startOnUi(std::function<void()> fn);
    void post(Call* call);

    GameHost& uiSide_;

    std::mutex mutex_;
    std::condition_variable done_;
    std::deque<Call*> calls_;
    // The scene handed over last; done once served (or when none was).
    Call scene_{{}, true};
};

}  // namespace tamb
