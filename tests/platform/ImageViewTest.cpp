// paintNow puts the canvas on the screen at once, and must show exactly
// what Qt's own paint event would, at any interface scale (this file also
// runs with QT_SCALE_FACTOR=2). The window's content is read back from the
// platform's backing store, the way the screen shows it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <memory>

#include "ImageView.h"

using tamb::ImageView;

namespace {

constexpr QRgb kWindowColour = 0xff204060u;

class ImageViewPaintNow : public ::testing::Test {
protected:
    void SetUp() override {
        top_ = std::make_unique<QWidget>();
        top_->setGeometry(50, 50, 200, 150);
        QPalette pal = top_->palette();
        pal.setColor(QPalette::Window, QColor::fromRgb(kWindowColour));
        top_->setPalette(pal);
        top_->setAutoFillBackground(true);
        view_ = new ImageView(top_.get());
        view_->setCanvasSize(80, 60);
        view_->move(10, 8);
        top_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(top_.get()));
        QCoreApplication::processEvents();
    }

    // The window as it reached the screen, in physical pixels from its
    // top-left corner. (Scaled, Qt 6.4's offscreen grab returns only the
    // window's logical size in physical pixels, so everything the tests
    // look at lies in the top-left quarter of the window.)
    QImage shown() {
        return top_->screen()
            ->grabWindow(top_->winId(), 0, 0, top_->width(), top_->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
    qreal scale() const { return top_->devicePixelRatioF(); }

    // Draws a pattern into the canvas where each pixel differs.
    void drawPattern(int seed) {
        QImage& img = view_->bitmap().image();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                img.setPixel(x, y, qRgb((x * 7 + seed) & 0xff, (y * 5 + seed) & 0xff, 99));
    }

    // What Qt's own paint event shows for the same canvas.
    QImage paintedByQt() {
        view_->repaint();
        return shown();
    }

    std::unique_ptr<QWidget> top_;
    ImageView* view_ = nullptr;
};

TEST_F(ImageViewPaintNow, ShowsTheRegionAtOnceAndNothingElse) {
    drawPattern(1);
    const QImage before = paintedByQt();
    drawPattern(2);
    const QImage after = paintedByQt();
    drawPattern(1);
    view_->repaint();
    ASSERT_EQ(shown(), before);

    // Two separate squares, without a pass of the event loop.
    drawPattern(2);
    const QRegion region = QRegion(5, 5, 20, 20) + QRegion(40, 30, 24, 20);
    view_->paintNow(region);
    const QImage now = shown();
    ASSERT_EQ(now.size(), after.size());
    const QRegion inWindow = region.translated(view_->pos());
    int changed = 0;
    for (int y = 0; y < now.height(); ++y)
        for (int x = 0; x < now.width(); ++x) {
            const bool inside = inWindow.contains(QPoint(int(x / scale()), int(y / scale())));
            const QRgb want = inside ? after.pixel(x, y) : before.pixel(x, y);
            ASSERT_EQ(now.pixel(x, y), want) << "at " << x << "," << y << (inside ? " (inside)" : " (outside)");
            changed += inside;
        }
    EXPECT_GT(changed, 0);
}

TEST_F(ImageViewPaintNow, LeavesAWidgetStackedAboveInPlace) {
    drawPattern(1);
    view_->repaint();
    auto* label = new QLabel(top_.get());
    label->setGeometry(40, 30, 30, 20);
    label->setAutoFillBackground(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, Qt::yellow);
    label->setPalette(pal);
    label->show();
    label->raise();
    label->repaint();
    const QImage withLabel = shown();

    drawPattern(2);
    view_->paintNow(view_->rect());
    QCoreApplication::processEvents();
    const QImage now = shown();
    // The label still shows; the canvas beside it shows the new pattern.
    const QPoint onLabel = QPoint(50, 35) * scale();
    EXPECT_EQ(now.pixel(onLabel), withLabel.pixel(onLabel));
    EXPECT_EQ(QColor(now.pixel(onLabel)), QColor(Qt::yellow));
    EXPECT_EQ(now, paintedByQt());
}

TEST_F(ImageViewPaintNow, StaysInsideTheParentThatClipsIt) {
    // The view pokes out of a small container: what lies outside it is not
    // the view's to paint.
    auto* box = new QWidget(top_.get());
    box->setGeometry(10, 10, 60, 50);
    view_->setParent(box);
    view_->move(20, 15);
    view_->show();
    box->show();
    drawPattern(3);
    QCoreApplication::processEvents();
    const QImage qt = paintedByQt();
    drawPattern(4);
    view_->repaint();
    drawPattern(3);
    view_->paintNow(view_->rect());
    const QImage now = shown();
    EXPECT_EQ(now, qt);
    EXPECT_EQ(now.pixel(QPoint(75, 65) * scale()), kWindowColour);
}

TEST_F(ImageViewPaintNow, PaintsBlackBeyondTheCanvasAsAPaintEventDoes) {
    drawPattern(7);
    view_->repaint();
    // Grown past its 80x60 canvas; the window still shows its own colour
    // there until something paints it.
    view_->resize(90, 66);
    const QPoint beyond = QPoint(10 + 85, 8 + 63) * scale();
    ASSERT_EQ(shown().pixel(beyond), kWindowColour);
    view_->paintNow(view_->rect());
    EXPECT_EQ(QColor(shown().pixel(beyond)), QColor(Qt::black));
    EXPECT_EQ(shown(), paintedByQt());
}

TEST_F(ImageViewPaintNow, DoesNothingVisibleWhileHidden) {
    drawPattern(5);
    view_->repaint();
    const QImage before = shown();
    view_->hide();
    drawPattern(6);
    view_->paintNow(view_->rect());
    EXPECT_EQ(shown(), before);
    view_->show();
    QCoreApplication::processEvents();
    const QImage now = shown();
    EXPECT_NE(now.pixel(QPoint(40, 30) * scale()), before.pixel(QPoint(40, 30) * scale()));
}

}  // namespace
