#include <gtest/gtest.h>

#include "Bitmap.h"

using tamb::Bitmap;
using tamb::ltrb;

namespace {

Bitmap striped(int w, int h, int originX = 0) {
    // Each pixel encodes its own position (relative to originX), so a copy
    // reveals where every destination pixel came from.
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.image().setPixel(x, y, qRgb((x - originX) & 0xff, y, 7));
    return b;
}

}  // namespace

TEST(BitmapCopy, NineteenPixelSourceFillsTwentyPixelCell) {
    Bitmap sheet = striped(40, 40);
    Bitmap dst(40, 40);
    dst.copyRect(ltrb(20, 20, 40, 40), sheet, ltrb(0, 0, 19, 19));
    // Every pixel of the cell is written, none outside it.
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inside = x >= 20 && y >= 20;
            if (!inside) {
                EXPECT_EQ(dst.pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
            }
        }
    // Nearest neighbour: the first and last destination columns take the
    // first and last source columns, and exactly one column is doubled.
    EXPECT_EQ(qRed(dst.pixel(20, 20)), 0);
    EXPECT_EQ(qRed(dst.pixel(39, 39)), 18);
    EXPECT_EQ(qGreen(dst.pixel(39, 39)), 18);
    int doubled = 0;
    for (int x = 21; x < 40; ++x)
        if (qRed(dst.pixel(x, 25)) == qRed(dst.pixel(x - 1, 25))) ++doubled;
    EXPECT_EQ(doubled, 1);
}

TEST(BitmapCopy, BlankPatchSqueezesOntoOneCell) {
    Bitmap sheet = striped(340, 20, 290);
    Bitmap dst(20, 20);
    dst.fill(qRgb(255, 255, 255));
    dst.copyRect(ltrb(0, 0, 20, 20), sheet, ltrb(290, 0, 330, 19));
    // 40 columns onto 20: every second source column; 19 rows onto 20.
    for (int x = 0; x < 20; ++x) EXPECT_EQ(qRed(dst.pixel(x, 0)), 2 * x);
    EXPECT_EQ(qGreen(dst.pixel(0, 19)), 18);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) EXPECT_NE(dst.pixel(x, y), qRgb(255, 255, 255));
}

TEST(BitmapCopy, SourcePaintOrsOntoDestination) {
    Bitmap sprite(20, 20);
    sprite.fill(qRgb(0, 0, 0));
    sprite.image().setPixel(5, 5, qRgb(0x10, 0x00, 0x80));
    Bitmap arena(20, 20);
    arena.fill(qRgb(0x01, 0x22, 0x03));
    arena.setCopyMode(Bitmap::CopyMode::SourcePaint);
    arena.copyRect(ltrb(0, 0, 20, 20), sprite, ltrb(0, 0, 20, 20));
    EXPECT_EQ(arena.pixel(0, 0), qRgb(0x01, 0x22, 0x03));  // black leaves the arena visible
    EXPECT_EQ(arena.pixel(5, 5), qRgb(0x11, 0x22, 0x83));
    arena.setCopyMode(Bitmap::CopyMode::SourceCopy);
    arena.copyRect(ltrb(0, 0, 20, 20), sprite, ltrb(0, 0, 20, 20));
    EXPECT_EQ(arena.pixel(0, 0), qRgb(0, 0, 0));
}

TEST(BitmapCopy, ClipsAtTheEdgesWithoutTouchingOutside) {
    Bitmap src(36, 36);
    src.fill(qRgb(9, 9, 9));
    Bitmap dst(640, 440);
    dst.copyRect(ltrb(-8, -8, 28, 28), src, ltrb(-8, -8, 28, 28));
    dst.copyRect(ltrb(620, 430, 656, 466), src, ltrb(0, 0, 36, 36));
    EXPECT_EQ(dst.pixel(0, 0), qRgb(9, 9, 9));
    EXPECT_EQ(dst.pixel(639, 439), qRgb(9, 9, 9));
}

TEST(BitmapCopy, DrawWholeIgnoresCopyMode) {
    Bitmap blank(4, 4);
    Bitmap dst(4, 4);
    dst.fill(qRgb(200, 200, 200));
    dst.setCopyMode(Bitmap::CopyMode::SourcePaint);
    dst.draw(0, 0, blank);
    EXPECT_EQ(dst.pixel(3, 3), qRgb(0, 0, 0));
    EXPECT_EQ(dst.copyMode(), Bitmap::CopyMode::SourcePaint);
}

TEST(BitmapCopy, UnscaledCopyTakesEveryPixelFromItsPlace) {
    Bitmap src = striped(200, 100);
    Bitmap dst(200, 100);
    dst.copyRect(ltrb(100, 50, 136, 86), src, ltrb(100, 50, 136, 86));
    for (int y = 50; y < 86; ++y)
        for (int x = 100; x < 136; ++x) ASSERT_EQ(dst.pixel(x, y), src.pixel(x, y)) << x << "," << y;
    EXPECT_EQ(dst.pixel(99, 50), qRgb(0, 0, 0));
    EXPECT_EQ(dst.pixel(136, 85), qRgb(0, 0, 0));
    // A source reaching past its picture leaves those destination pixels alone.
    Bitmap small = striped(10, 10);
    Bitmap into(30, 30);
    into.fill(qRgb(1, 2, 3));
    into.copyRect(ltrb(5, 5, 25, 25), small, ltrb(0, 0, 20, 20));
    EXPECT_EQ(into.pixel(5, 5), small.pixel(0, 0));
    EXPECT_EQ(into.pixel(14, 14), small.pixel(9, 9));
    EXPECT_EQ(into.pixel(15, 15), qRgb(1, 2, 3));
}
