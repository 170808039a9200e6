#include <gtest/gtest.h>

#include <QWidget>
#include <xcb/xcb.h>

#include "WindowLossWatch.h"

namespace tamb {
namespace {

// The X server's word that a window is gone, as the xcb platform hands it on.
xcb_destroy_notify_event_t destroyNotify(xcb_window_t window) {
    xcb_destroy_notify_event_t e{};
    e.response_type = XCB_DESTROY_NOTIFY;
    e.event = window;
    e.window = window;
    return e;
}

TEST(WindowLossWatch, OnlyTheWatchedWindowsDestructionCounts) {
    QWidget window;
    window.show();
    int lost = 0;
    WindowLossWatch watch(window, [&] { ++lost; });
    const auto id = static_cast<xcb_window_t>(window.winId());

    auto other = destroyNotify(id + 1);
    EXPECT_FALSE(watch.nativeEventFilter("xcb_generic_event_t", &other, nullptr));
    auto mine = destroyNotify(id);
    EXPECT_FALSE(watch.nativeEventFilter("windows_generic_MSG", &mine, nullptr));
    EXPECT_EQ(lost, 0);
    mine.response_type |= 0x80;  // sent by another client
    EXPECT_FALSE(watch.nativeEventFilter("xcb_generic_event_t", &mine, nullptr));
    EXPECT_EQ(lost, 1);
}

}  // namespace
}  // namespace tamb
