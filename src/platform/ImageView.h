#pragma once
#include <QWidget>

#include "Bitmap.h"

namespace tamb {

// An image control with a drawing canvas: shows its bitmap 1:1 at its
// top-left corner, never smoothed. Code draws into bitmap() and then calls
// update() (or refresh()) to have the screen follow.
class ImageView : public QWidget {
    Q_OBJECT
public:
    explicit ImageView(QWidget* parent = nullptr);

    Bitmap& bitmap() { return bitmap_; }
    const Bitmap& bitmap() const { return bitmap_; }
    // Replaces the canvas with a new black one of this size and resizes.
    void setCanvasSize(int width, int height);
    // Shows a fixed picture (e.g. from the resources), sized to it.
    void setPicture(const QImage& picture);
    // Puts region (view coordinates) of the canvas on the screen at once,
    // like repaint(region). When nothing can lie over the view it copies the
    // pixels straight into the window's backing store and flushes them,
    // without a paint event: for a few small squares many times a second,
    // the paint-event round costs several times the copying. Otherwise, or
    // when the backing store is not a plain 32-bit picture at a whole scale,
    // it repaints the usual way.
    void paintNow(const QRegion& region);

signals:
    // The part of the canvas just put on the screen (view coordinates), by
    // a paint event or by paintNow.
    void painted(const QRegion& region);
    void mousePressed(QMouseEvent* event);
    void mouseReleased(QMouseEvent* event);
    void mouseMoved(QMouseEvent* event);
    void clicked(QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool copyToBackingStore(const QRegion& region);

    Bitmap bitmap_;
};

}  // namespace tamb
