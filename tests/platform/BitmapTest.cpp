#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include "Bitmap.h"
#include "TambError.h"

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

namespace {

// A picture file as the asset tool writes it (24-bit, uncompressed), cut
// after keepBytes bytes when that is not negative.
QString writeBmp(const QTemporaryDir& dir, const QString& name, QImage image, qsizetype keepBytes = -1) {
    const QString file = dir.filePath(name);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    QByteArray bytes = buffer.data();
    if (keepBytes >= 0) bytes.truncate(keepBytes);
    QFile f(file);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return file;
}

QImage rgb(int w, int h) {
    QImage img(w, h, QImage::Format_RGB888);
    img.fill(qRgb(10, 20, 30));
    return img;
}

QImage indexed(int w, int h) {
    QImage img(w, h, QImage::Format_Indexed8);
    img.setColorTable({qRgb(0, 0, 0), qRgb(200, 0, 0)});
    img.fill(1);
    return img;
}

}  // namespace

TEST(BitmapLoad, RefusesCutOffWrongSizedAndForeignFiles) {
    QTemporaryDir dir;
    const tamb::PictureSize sheet{.minWidth = 360, .minHeight = 434};
    const tamb::PictureSize bar{.minWidth = 185, .maxHeight = 266};
    QFile text(dir.filePath("text.bmp"));
    text.open(QIODevice::WriteOnly);
    text.write("BM not really a picture");
    text.close();
    const struct {
        const char* name;
        QString file;
        tamb::PictureSize allowed;
        const char* error;  // nullptr: loads
    } cases[] = {
        {"whole sheet", writeBmp(dir, "sprites.bmp", rgb(360, 434)), sheet, nullptr},
        {"sheet cut to 20000 bytes", writeBmp(dir, "cut.bmp", rgb(360, 434), 20000), sheet,
         "cut short (20000 bytes of 468774)"},
        {"sheet one byte short", writeBmp(dir, "short.bmp", rgb(360, 434), 468773), sheet, "cut short"},
        {"paletted picture cut in its rows", writeBmp(dir, "pal.bmp", indexed(200, 120), 2000), bar, "cut short"},
        {"header only", writeBmp(dir, "header.bmp", rgb(360, 434), 30), sheet, "cut short"},
        {"ten by ten sheet", writeBmp(dir, "tiny.bmp", rgb(10, 10), -1), sheet,
         "it is 10 by 10 pixels, and the game needs it at least 360 pixels wide and at least 434 pixels high"},
        {"bar too narrow", writeBmp(dir, "narrow.bmp", rgb(184, 100)), bar, "at least 185 pixels wide"},
        {"bar too high for the menu", writeBmp(dir, "high.bmp", rgb(640, 440)), bar, "at most 266 pixels high"},
        {"bar of the game's size", writeBmp(dir, "bar.bmp", rgb(185, 100)), bar, nullptr},
        {"paletted bar", writeBmp(dir, "palbar.bmp", indexed(200, 120)), bar, nullptr},
        {"not a BMP", text.fileName(), sheet, "not a BMP picture"},
        {"missing", dir.filePath("none.bmp"), sheet, "No such file"},
    };
    for (const auto& c : cases) {
        Bitmap b;
        try {
            b.loadFromFile(c.file, c.allowed);
            EXPECT_EQ(c.error, nullptr) << c.name << ": loaded";
            EXPECT_FALSE(b.isNull()) << c.name;
        } catch (const tamb::TambError& e) {
            ASSERT_NE(c.error, nullptr) << c.name << ": " << e.message().toStdString();
            EXPECT_TRUE(e.message().contains(c.error)) << c.name << ": " << e.message().toStdString();
            EXPECT_TRUE(e.message().contains(c.file)) << c.name << ": " << e.message().toStdString();
            EXPECT_TRUE(b.isNull()) << c.name;
        }
    }
}
