#include "UiGameHost.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>

#include "GameState.h"

namespace tamb {

namespace {
const QEvent::Type kServeCalls = static_cast<QEvent::Type>(QEvent::registerEventType());
}  // namespace

UiGameHost::UiGameHost(GameHost& uiSide, QObject* parent) : QObject(parent), uiSide_(uiSide) {}

void UiGameHost::drawScene(const GameState& s) {
    startOnUi([this, &s] { uiSide_.drawScene(s); });
}

void UiGameHost::restoreAround(const GameState& s) {
    runOnUi([&] { uiSide_.restoreAround(s); });
}

void UiGameHost::takeKlad(const GameState& s, int row, int col) {
    runOnUi([&] { uiSide_.takeKlad(s, row, col); });
}

void UiGameHost::burnBrick(const GameState& s, int row, int col) {
    runOnUi([&] { uiSide_.burnBrick(s, row, col); });
}

void UiGameHost::livesLabelUpdate(const GameState& s) {
    runOnUi([&] { uiSide_.livesLabelUpdate(s); });
}

void UiGameHost::threadPlaysound(std::string_view event) { uiSide_.threadPlaysound(event); }

void UiGameHost::drawRegrowthFrame(const GameState& s, int row, int col, int v) {
    runOnUi([&] { uiSide_.drawRegrowthFrame(s, row, col, v); });
}

void UiGameHost::runOnUi(std::function<void()> fn) {
    if (QThread::currentThread() == thread()) {
        fn();
        return;
    }
    Call call{std::move(fn)};
    post(&call);
    std::unique_lock lock(mutex_);
    done_.wait(lock, [&] { return call.done; });
}

void UiGameHost::startOnUi(std::function<void()> fn) {
    if (QThread::currentThread() == thread()) {
        fn();
        return;
    }
    finishDrawing();
    {
        std::lock_guard lock(mutex_);
        scene_.run = std::move(fn);
        scene_.done = false;
    }
    post(&scene_);
}

void UiGameHost::finishDrawing() {
    if (QThread::currentThread() == thread()) return;
    std::unique_lock lock(mutex_);
    done_.wait(lock, [&] { return scene_.done; });
}

void UiGameHost::post(Call* call) {
    // Made before the call is queued under our lock: the user-interface
    // thread frees it after taking that lock, so the hand-off of its memory
    // is ordered where a thread checker can see it (Qt's own queue locks
    // are not).
    auto* wake = new QEvent(kServeCalls);
    {
        std::lock_guard lock(mutex_);
        calls_.push_back(call);
    }
    QCoreApplication::postEvent(this, wake);
}

bool UiGameHost::event(QEvent* e) {
    // A wake-up is made on the game thread before it takes our lock; taking
    // it here orders the event's memory where a thread checker sees it (it
    // cannot see Qt's queue lock).
    { std::lock_guard lock(mutex_); }
    if (e->type() != kServeCalls) return QObject::event(e);
    serveCalls();
    emit callsServed();
    return true;
}

void UiGameHost::serveCalls() {
    for (;;) {
        Call* call = nullptr;
        {
            std::lock_guard lock(mutex_);
            if (calls_.empty()) return;
            call = calls_.front();
            calls_.pop_front();
        }
        const auto finish = [&] {
            {
                std::lock_guard lock(mutex_);
                call->done = true;
            }
            done_.notify_all();
        };
        try {
            call->run();
        } catch (...) {
            // The caller goes on; the error is reported by the application.
            finish();
            throw;
        }
        finish();
    }
}

}  // namespace tamb
