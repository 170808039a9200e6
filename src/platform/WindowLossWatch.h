#pragma once
#include <QAbstractNativeEventFilter>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace tamb {

// Calls `lost` when the window system destroys a top-level widget's native
// window behind Qt's back (an X client killing it, for instance): the
// widget object lives on, but nobody can see or reach it any more.
class WindowLossWatch : public QAbstractNativeEventFilter {
public:
    WindowLossWatch(QWidget& window, std::function<void()> lost);
    ~WindowLossWatch() override;
    WindowLossWatch(const WindowLossWatch&) = delete;
    WindowLossWatch& operator=(const WindowLossWatch&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    QPointer<QWidget> window_;
    std::function<void()> lost_;
};

}  // namespace tamb
