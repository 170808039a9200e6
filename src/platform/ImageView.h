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

signals:
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
    Bitmap bitmap_;
};

}  // namespace tamb
