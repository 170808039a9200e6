#include "ImageView.h"

#include <QBackingStore>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <cmath>
#include <cstring>

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
    emit painted(event->region());
}

void ImageView::paintNow(const QRegion& region) {
    const QRegion wanted = region.intersected(rect());
    if (wanted.isEmpty()) return;
    if (copyToBackingStore(wanted)) {
        emit painted(wanted);
    } else {
        repaint(wanted);
    }
}

namespace {

// Whether a visible widget stacked above w among its siblings overlaps
// area (in the parent's coordinates).
bool siblingAbove(const QWidget* w, const QRect& area) {
    bool above = false;
    for (const QObject* child : w->parentWidget()->children()) {
        if (child == w) {
            above = true;
            continue;
        }
        const auto* other = qobject_cast<const QWidget*>(child);
        if (above && other && !other->isWindow() && other->isVisible() && other->geometry().intersects(area))
            return true;
    }
    return false;
}

}  // namespace

bool ImageView::copyToBackingStore(const QRegion& region) {
    QWidget* top = window();
    QWindow* handle = top->windowHandle();
    QBackingStore* store = top->backingStore();
    if (!isVisible() || !handle || !handle->isExposed() || !store || bitmap_.isNull()) return false;
    // Outside the canvas a paint event paints black; leave that to it.
    if (!children().isEmpty() || !bitmap_.image().rect().contains(region.boundingRect())) return false;
    // Every ancestor up to the window clips what is shown, and nothing
    // stacked above on the way may lie over it.
    QRegion shown = region;
    QPoint offset;
    for (const QWidget* w = this; w != top; w = w->parentWidget()) {
        if (!w->parentWidget()) return false;
        const QRect inParent = shown.boundingRect().translated(offset + w->pos());
        if (siblingAbove(w, inParent)) return false;
        shown &= w->parentWidget()->rect().translated(-offset - w->pos());
        offset += w->pos();
    }
    if (shown.isEmpty()) return true;

    const QRegion inWindow = shown.translated(offset);
    store->beginPaint(inWindow);
    QPaintDevice* device = store->paintDevice();
    auto* target = device && device->devType() == QInternal::Image ? static_cast<QImage*>(device) : nullptr;
    const qreal ratio = target ? target->devicePixelRatio() : 0;
    const int scale = static_cast<int>(std::lround(ratio));
    bool plain = target && scale >= 1 && std::abs(ratio - scale) < 1e-9 &&
                 (target->format() == QImage::Format_RGB32 || target->format() == QImage::Format_ARGB32_Premultiplied);
    // A window being resized may briefly have a smaller backing store.
    if (plain) plain = target->rect().contains(QRect(inWindow.boundingRect().topLeft() * scale,
                                                      inWindow.boundingRect().size() * scale));
    if (plain) {
        const QImage& source = bitmap_.image();
        uchar* bits = target->bits();
        const qsizetype stride = target->bytesPerLine();
        for (const QRect& r : shown) {
            const QPoint to0 = (r.topLeft() + offset) * scale;
            for (int y = r.top(); y <= r.bottom(); ++y) {
                const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y)) + r.left();
                for (int k = 0; k < scale; ++k) {
                    auto* to = reinterpret_cast<QRgb*>(bits + (to0.y() + (y - r.top()) * scale + k) * stride) + to0.x();
                    if (scale == 1) {
                        std::memcpy(to, from, static_cast<size_t>(r.width()) * sizeof(QRgb));
                    } else {
                        for (int x = 0; x < r.width(); ++x) std::fill_n(to + x * scale, scale, from[x]);
                    }
                }
            }
        }
    }
    store->endPaint();
    if (!plain) return false;
    store->flush(inWindow, handle);
    return true;
}

void ImageView::mousePressEvent(QMouseEvent* event) { emit mousePressed(event); }

void ImageView::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseReleased(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked(event);
}

void ImageView::mouseMoveEvent(QMouseEvent* event) { emit mouseMoved(event); }

}  // namespace tamb
