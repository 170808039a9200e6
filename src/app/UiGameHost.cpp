#include "UiGameHost.h"

#include <QMetaObject>
#include <QThread>

#include "GameState.h"

namespace tamb {


UiGameHost::UiGameHost(GameHost& uiSide, QObject* parent) : QObject(parent), uiSide_(uiSide) {}

void UiGameHost::drawScene(const GameState& s) {
    runOnUi([&] { uiSide_.drawScene(s); });
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
    {
        std::lock_guard lock(mutex_);
        calls_.push_back(&call);
    }
    // By name, not a functor: a functor's slot object would be freed by
    // whichever thread lets go of it last, out of the thread checker's sight.
    QMetaObject::invokeMethod(this, "serveCalls", Qt::QueuedConnection);
    std::unique_lock lock(mutex_);
    done_.wait(lock, [&] { return call.done; });
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
