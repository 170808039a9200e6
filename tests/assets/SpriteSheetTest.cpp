// The sprite sheet as the game reads it: every place the game copies from
// holds a picture, figures sit on black so ORing them leaves the arena visible.
#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

#include "BuiltFiles.h"

using namespace tamb::test;

namespace {

class SpriteSheet : public ::testing::Test {
protected:
    static void SetUpTestSuite() { sheet_ = QImage(gamedataPath(QStringLiteral("graphics/sprites.bmp"))).convertToFormat(QImage::Format_RGB32); }
    static QImage sheet_;

    static QRect frame(int top, int n) { return QRect(20 * (n - 1), top, 20, 20); }

    static int distinctFrames(int top, int count) {
        QSet<QByteArray> seen;
        for (int n = 1; n <= count; ++n) {
            const QImage f = sheet_.copy(frame(top, n));
            seen.insert(QByteArray(reinterpret_cast<const char*>(f.constBits()), int(f.sizeInBytes())));
        }
        return int(seen.size());
    }

    // A figure frame: something drawn, mostly black, the corners black.
    static void expectFigureFrame(int top, int n) {
        const QRect r = frame(top, n);
        SCOPED_TRACE(QStringLiteral("figure frame %1 of strip %2").arg(n).arg(top).toStdString());
        const int lit = litPixels(sheet_, r);
        EXPECT_GE(lit, 25);
        EXPECT_LE(lit, 400 * 45 / 100);
        EXPECT_TRUE(isBlack(sheet_, QRect(r.left(), r.top(), 3, 3)));
        EXPECT_TRUE(isBlack(sheet_, QRect(r.right() - 2, r.top(), 3, 3)));
    }

    // Share of red in a strip's lit pixels, to tell the man from the devils.
    static double redShare(int top, int count) {
        double red = 0, all = 0;
        for (int y = top; y < top + 20; ++y)
            for (int x = 0; x < 20 * count; ++x) {
                const QRgb p = sheet_.pixel(x, y);
                red += qRed(p);
                all += qRed(p) + qGreen(p) + qBlue(p);
            }
        return all > 0 ? red / all : 0;
    }
};

QImage SpriteSheet::sheet_;

struct Strip {
    int top;
    int frames;
};

const Strip kManStrips[] = {{0, 8}, {23, 12}, {46, 12}, {138, 6}, {161, 6}, {184, 2}, {207, 10}};
const Strip kDevilStrips[] = {{253, 8}, {276, 12}, {299, 12}, {322, 6}, {345, 6}, {368, 2}, {391, 10}};

TEST_F(SpriteSheet, FileIsAnUncompressed24BitBmpLargeEnough) {
    const BmpInfo info = bmpInfo(readAll(gamedataPath(QStringLiteral("graphics/sprites.bmp"))));
    ASSERT_TRUE(info.valid);
    EXPECT_EQ(info.bitsPerPixel, 24);
    EXPECT_EQ(info.compression, 0);
    EXPECT_GE(info.width, 360);
    EXPECT_GE(std::abs(info.height), 434);
    ASSERT_FALSE(sheet_.isNull());
    EXPECT_EQ(sheet_.width(), info.width);
}

TEST_F(SpriteSheet, EveryFigureFrameIsDrawnOnBlack) {
    for (const auto& strips : {kManStrips, kDevilStrips})
        for (int s = 0; s < 7; ++s)
            for (int n = 1; n <= strips[s].frames; ++n) expectFigureFrame(strips[s].top, n);
}

TEST_F(SpriteSheet, FigureStripsAnimateAndFaceBothWays) {
    for (const auto& strips : {kManStrips, kDevilStrips}) {
        EXPECT_GE(distinctFrames(strips[0].top, 8), 2) << "falling";
        EXPECT_GE(distinctFrames(strips[1].top, 12), 4) << "walking right";
        EXPECT_GE(distinctFrames(strips[2].top, 12), 4) << "walking left";
        EXPECT_GE(distinctFrames(strips[3].top, 6), 3) << "rope right";
        EXPECT_GE(distinctFrames(strips[4].top, 6), 3) << "rope left";
        EXPECT_EQ(distinctFrames(strips[5].top, 2), 2) << "standing right and left";
        EXPECT_GE(distinctFrames(strips[6].top, 10), 2) << "climbing";
        EXPECT_NE(sheet_.copy(frame(strips[1].top, 1)), sheet_.copy(frame(strips[2].top, 1)));
    }
}

TEST_F(SpriteSheet, DevilsAreRedAndTheManIsNot) {
    for (int s = 0; s < 7; ++s) {
        EXPECT_GT(redShare(kDevilStrips[s].top, kDevilStrips[s].frames), 0.55) << kDevilStrips[s].top;
        EXPECT_LT(redShare(kManStrips[s].top, kManStrips[s].frames), 0.45) << kManStrips[s].top;
    }
}

TEST_F(SpriteSheet, GapsBetweenFigureStripsAndTheBlankPatchAreBlack) {
    EXPECT_TRUE(isBlack(sheet_, sheetRect(290, 0, 330, 19)));
    for (int top : {20, 43, 66, 89, 112, 135, 158, 181, 204, 227, 250, 273, 296, 319, 342, 365, 388, 411})
        EXPECT_TRUE(isBlack(sheet_, QRect(0, top, 360, 3))) << "gap below row " << top;
    // Right of the short figure strips nothing may spill in.
    EXPECT_TRUE(isBlack(sheet_, sheetRect(160, 0, 290, 20)));
    EXPECT_TRUE(isBlack(sheet_, sheetRect(40, 184, 360, 204)));
    EXPECT_TRUE(isBlack(sheet_, sheetRect(40, 368, 360, 388)));
}

TEST_F(SpriteSheet, BrickGrowsBackInEighteenSteps) {
    int previous = -1;
    for (int v = 1; v <= 18; ++v) {
        const int lit = litPixels(sheet_, sheetRect(20 * (v - 1), 69, 20 * v, 89));
        EXPECT_GT(lit, previous) << "frame " << v << " must show more brick than the one before";
        previous = lit;
    }
    EXPECT_LT(litPixels(sheet_, sheetRect(0, 69, 20, 89)), 400 / 8) << "frame 1 is almost empty";
    EXPECT_GT(litPixels(sheet_, sheetRect(340, 69, 360, 89)), 400 * 9 / 10) << "frame 18 is the whole brick";
}

TEST_F(SpriteSheet, EveryStaticTileIsDrawn) {
    for (int i = 0; i < 13; ++i)
        EXPECT_GE(litPixels(sheet_, sheetRect(20 * i, 92, 20 * i + 20, 112)), 30) << "tile at " << 20 * i;
    // Solid blocks fill their cell: brick, steel, girder flanges, both border walls.
    for (int left : {60, 120, 140})
        EXPECT_GT(litPixels(sheet_, sheetRect(left, 92, left + 20, 112)), 400 * 9 / 10) << left;
    EXPECT_NE(sheet_.copy(sheetRect(160, 92, 180, 112)), sheet_.copy(sheetRect(340, 69, 360, 89)))
        << "the editor's false brick must look unlike a real one";
    EXPECT_NE(sheet_.copy(sheetRect(180, 92, 200, 112)), sheet_.copy(sheetRect(200, 92, 220, 112)));
}

TEST_F(SpriteSheet, NineteenPixelSourcesHoldTheirPicture) {
    // Stairs, treasure and water are copied from 19-pixel rectangles.
    for (QRect r : {sheetRect(0, 92, 19, 112), sheetRect(0, 115, 19, 135), sheetRect(0, 230, 19, 249), sheetRect(0, 414, 19, 434)})
        EXPECT_GE(litPixels(sheet_, r), 60);
    // Ladder rails and water continue to the cell's bottom row.
    EXPECT_GT(litPixels(sheet_, sheetRect(0, 111, 19, 112)), 2);
    EXPECT_GT(litPixels(sheet_, sheetRect(0, 248, 19, 249)), 15);
}

TEST_F(SpriteSheet, TreasureGlittersWaterRipplesDoorAnimates) {
    for (int n = 1; n <= 11; ++n) EXPECT_GE(litPixels(sheet_, frame(115, n)), 100) << "treasure " << n;
    EXPECT_GE(distinctFrames(115, 11), 5);
    for (int n = 1; n <= 16; ++n) EXPECT_GE(litPixels(sheet_, frame(230, n)), 300) << "water " << n;
    EXPECT_GE(distinctFrames(230, 16), 8);
    EXPECT_GE(litPixels(sheet_, sheetRect(320, 230, 340, 250)), 300) << "falling water";
    for (int n = 1; n <= 4; ++n) EXPECT_GE(litPixels(sheet_, frame(414, n)), 150) << "door " << n;
    EXPECT_GE(distinctFrames(414, 4), 3);
}

}  // namespace
