#include "ImageView.h"

#include <QMouseEvent>
#include <QPainter>

namespace tamb {

ImageView::ImageView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageView::setCanvasSize(int width, int height) {
    bitmap_ = Bitmap(width, height);
    resize(width, height);
    update();
}

void ImageView::setPicture(const QImage& picture) {
    bitmap_ = Bitmap(picture.width(), picture.height());
    bitmap_.image() = picture.convertToFormat(QImage::Format_RGB32);
    resize(picture.size());
    update();
}

void ImageView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // Paint only the rectangles asked for: a game tick dirties a few small
    // squares scattered over the arena, not their bounding box.
    const QRect canvas = bitmap_.image().rect();
    for (const QRect& r : event->region()) {
        if (!canvas.contains(r)) p.fillRect(r, Qt::black);
        if (!bitmap_.isNull()) p.drawImage(r.topLeft(), bitmap_.image(), r);
    }
}

void ImageView::mousePressEvent(QMouseEvent* event) { emit mousePressed(event); }

void ImageView::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseReleased(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked(event);
}

void ImageView::mouseMoveEvent(QMouseEvent* event) { emit mouseMoved(event); }

}  // namespace tamb
