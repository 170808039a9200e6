#include "UiGameHost.h"

#include <QMetaObject>
#include <QRegion>
#include <QThread>

#include "GameState.h"

namespace tamb {

namespace {

constexpr int kCell = 20;

QRect cellRect(int row, int col) { return QRect(col * kCell, row * kCell, kCell, kCell); }

// The square a restore repaints around a body at (x, y).
QRect aroundRect(int x, int y) { return QRect(x - 8, y - 8, 36, 36); }

bool isAnimated(int v) { return (v >= 20 && v <= 30) || (v >= 40 && v <= 55) || (v >= 60 && v <= 63); }

// Everything a scene step may have changed: the squares around the man and
// the devils, and every animated cell.
QRegion sceneRegion(const GameState& s) {
    QRegion region(aroundRect(s.ManX, s.ManY));
    const int count = std::clamp<int>(s.ShetsCount, 0, kMaxShets);
    for (int k = 0; k < count; ++k) region += aroundRect(s.ShetsX[k], s.ShetsY[k]);
    for (int row = 0; row < kRows; ++row) {
        for (int col = 0; col < kCols; ++col) {
            if (isAnimated(s.CellStates[row * kCols + col])) region += cellRect(row, col);
        }
    }
    return region;
}

}  // namespace

UiGameHost::UiGameHost(GameHost& uiSide, QWidget* arena, QObject* parent)
    : QObject(parent), uiSide_(uiSide), arena_(arena) {}

void UiGameHost::drawScene(const GameState& s) {
    runOnUi([&] {
        // The squares the figures leave are repainted as well as where they are now.
        QRegion region = sceneRegion(s);
        uiSide_.drawScene(s);
        repaint(region + sceneRegion(s));
    });
}

void UiGameHost::restoreAround(const GameState& s) {
    runOnUi([&] {
        uiSide_.restoreAround(s);
        repaint(aroundRect(s.RedrawX, s.RedrawY));
    });
}

void UiGameHost::takeKlad(const GameState& s, int row, int col) {
    runOnUi([&] {
        uiSide_.takeKlad(s, row, col);
        repaint(cellRect(row, col));
    });
}

void UiGameHost::burnBrick(const GameState& s, int row, int col) {
    runOnUi([&] {
        uiSide_.burnBrick(s, row, col);
        repaint(cellRect(row, col));
    });
}

void UiGameHost::livesLabelUpdate(const GameState& s) {
    runOnUi([&] { uiSide_.livesLabelUpdate(s); });
}

void UiGameHost::threadPlaysound(std::string_view event) { uiSide_.threadPlaysound(event); }

void UiGameHost::drawRegrowthFrame(const GameState& s, int row, int col, int v) {
    runOnUi([&] {
        uiSide_.drawRegrowthFrame(s, row, col, v);
        repaint(cellRect(row, col));
    });
}

void UiGameHost::repaint(const QRegion& region) {
    if (arena_) arena_->update(region);
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
