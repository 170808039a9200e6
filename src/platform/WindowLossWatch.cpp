#include "WindowLossWatch.h"

#include <QCoreApplication>
#include <xcb/xcb.h>

namespace tamb {

WindowLossWatch::WindowLossWatch(QWidget& window, std::function<void()> lost)
    : window_(&window), lost_(std::move(lost)) {
    if (QCoreApplication* app = QCoreApplication::instance()) app->installNativeEventFilter(this);
}

WindowLossWatch::~WindowLossWatch() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
}

bool WindowLossWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    // Only X has windows that others can destroy; other platforms send a close.
    if (eventType != "xcb_generic_event_t" || !window_ || !window_->testAttribute(Qt::WA_WState_Created)) return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_DESTROY_NOTIFY) return false;
    const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
    if (destroyed->window == static_cast<xcb_window_t>(window_->winId()) && lost_) lost_();
    return false;
}

}  // namespace tamb
