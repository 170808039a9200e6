#pragma once
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

#include "GameHost.h"

namespace tamb {

// The host the game thread talks to. Every drawing request is carried out
// on the user-interface thread by `uiSide` while the calling thread waits;
// a request made on the user-interface thread itself runs at once. After
// each drawing step the touched part of the arena widget is repainted.
// Sound requests go straight to `uiSide`, which must accept them from any
// thread without blocking.
//
// The hand-over uses its own lock and condition (not a blocking queued
// connection) so that every byte passed between the threads is ordered by
// primitives a thread checker can see; Qt only carries the wake-up.
class UiGameHost : public QObject, public GameHost {
    Q_OBJECT
public:
    // `uiSide` and this object belong to the user-interface thread.
    UiGameHost(GameHost& uiSide, QWidget* arena, QObject* parent = nullptr);

    void drawScene(const GameState& s) override;
    void restoreAround(const GameState& s) override;
    void takeKlad(const GameState& s, int row, int col) override;
    void burnBrick(const GameState& s, int row, int col) override;
    void livesLabelUpdate(const GameState& s) override;
    void threadPlaysound(std::string_view event) override;
    void drawRegrowthFrame(const GameState& s, int row, int col, int v) override;

    // The widget repainted after drawing; may change while no game runs.
    void setArena(QWidget* arena) { arena_ = arena; }

private slots:
    void serveCalls();

private:
    struct Call {
        std::function<void()> run;
        bool done = false;
    };
    // Runs `fn` on the user-interface thread and returns when it is done.
    void runOnUi(std::function<void()> fn);
    void repaint(const QRegion& region);

    GameHost& uiSide_;
    QPointer<QWidget> arena_;

    std::mutex mutex_;
    std::condition_variable done_;
    std::deque<Call*> calls_;
};

}  // namespace tamb
