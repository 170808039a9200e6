#include <gtest/gtest.h>

#include <random>

#include "RectUnion.h"

using tamb::unionOf;

namespace {

QRegion byQt(const std::vector<QRect>& rects) {
    QRegion region;
    for (const QRect& r : rects) region += r;
    return region;
}

// Same area: nothing in one that is not in the other.
bool sameArea(const QRegion& a, const QRegion& b) { return a.xored(b).isEmpty(); }

TEST(RectUnion, CoversExactlyWhatQRegionsUnionCovers) {
    std::mt19937 rng(42);
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int round = 0; round < 2000; ++round) {
        std::vector<QRect> rects(static_cast<size_t>(pick(0, 30)));
        // Figure-sized squares crowded into a small field, so they overlap,
        // touch and share edges often; now and then an empty one.
        for (QRect& r : rects) r = QRect(pick(-10, 80), pick(-10, 60), pick(0, 36), pick(0, 36));
        const QRegion mine = unionOf(rects);
        const QRegion qt = byQt(rects);
        ASSERT_TRUE(sameArea(mine, qt)) << "round " << round;
        ASSERT_EQ(mine.boundingRect(), qt.boundingRect()) << "round " << round;
        // Down to the pieces: bands that match the one above are joined, as
        // in Qt's own regions.
        ASSERT_EQ(mine, qt) << "round " << round;
        // A well-formed region: what Qt does with it next (clip, intersect,
        // translate) gives the same as with its own.
        const QRect clip(5, 5, 50, 40);
        ASSERT_TRUE(sameArea(mine.intersected(clip), qt.intersected(clip))) << "round " << round;
        ASSERT_TRUE(sameArea(mine.translated(3, -2).subtracted(qt.translated(3, -2)), QRegion()));
        int area = 0;
        for (const QRect& r : mine) {
            area += r.width() * r.height();
            for (const QRect& other : mine)
                ASSERT_TRUE(&r == &other || !r.intersects(other)) << "pieces overlap in round " << round;
        }
        int qtArea = 0;
        for (const QRect& r : qt) qtArea += r.width() * r.height();
        ASSERT_EQ(area, qtArea) << "round " << round;
    }
}

TEST(RectUnion, EdgeCases) {
    EXPECT_TRUE(unionOf({}).isEmpty());
    EXPECT_TRUE(unionOf({QRect(), QRect(5, 5, 0, 10)}).isEmpty());
    EXPECT_EQ(unionOf({QRect(1, 2, 3, 4)}), QRegion(1, 2, 3, 4));
    // Side by side: one piece, as QRegion requires.
    const QRegion joined = unionOf({QRect(0, 0, 10, 10), QRect(10, 0, 10, 10)});
    EXPECT_EQ(joined.rectCount(), 1);
    EXPECT_EQ(joined.boundingRect(), QRect(0, 0, 20, 10));
    // The same square twice, and one inside another.
    EXPECT_EQ(unionOf({QRect(0, 0, 8, 8), QRect(0, 0, 8, 8), QRect(2, 2, 3, 3)}).rectCount(), 1);
}

}  // namespace
