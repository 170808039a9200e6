#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "ArenaPainter.h"
#include "LevelCodec.h"
#include "Rules.h"
#include "SpriteLayout.h"
#include "TestGameFolder.h"

namespace tamb {
namespace {

using test::frameColour;
using test::kBlankColour;
using test::kFigureColour;
using test::regrowthColour;
using test::tileColour;

std::vector<std::string> toStd(const QStringList& lines) {
    std::vector<std::string> out;
    for (const auto& l : lines) out.push_back(l.toStdString());
    return out;
}

bool cellIsAll(const Bitmap& b, int row, int col, QRgb colour) {
    for (int y = row * 20; y < row * 20 + 20; ++y)
        for (int x = col * 20; x < col * 20 + 20; ++x)
            if (b.pixel(x, y) != (colour | 0xff000000u)) return false;
    return true;
}

bool samePixels(const Bitmap& a, const Bitmap& b, const QRect& r) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) return false;
    return true;
}

class ArenaPainterTest : public ::testing::Test {
protected:
    void setUpLevel(const test::LevelSpec& level) {
        SetUpLevelState(state, decodeGameLevel(toStd(level.lines())));
        painter.drawStaticArena(state);
    }

    Bitmap sheet = test::makeTestSpriteSheet();
    Bitmap arenaBitmap{640, 440};
    Bitmap arena{640, 440};
    ArenaPainter painter{sheet, arenaBitmap, arena};
    GameState state;
};

TEST_F(ArenaPainterTest, StaticArenaDrawsEveryTileOnBothPicturesAndLeavesOutTheExitDoor) {
    test::LevelSpec level = test::simpleLevel();
    const int32_t codes[] = {Klad, FalseKirp, Water, ToRight, ToLeft, Kol, Gum, DownWater,
                             Stairs, Roupe, Kirp, SuperKirp, Balka, BoundVert, BoundHor};
    int col = 2;
    for (int32_t code : codes) level.set(5, col++, code);
    level.outDoor = {20, 10};
    // Leftovers from an earlier level must not show through.
    arenaBitmap.fill(0xffffff);
    arena.fill(0xffffff);
    int cells = 0;
    SetUpLevelState(state, decodeGameLevel(toStd(level.lines())));
    painter.drawStaticArena(state, [&cells] { ++cells; });

    EXPECT_EQ(cells, kRows * kCols);
    col = 2;
    for (int32_t code : codes) {
        // 19-pixel tiles are stretched over the whole cell.
        EXPECT_TRUE(cellIsAll(arenaBitmap, 5, col, tileColour(code))) << "code " << code;
        ++col;
    }
    EXPECT_TRUE(cellIsAll(arenaBitmap, 5, 25, 0)) << "an empty cell stays black";
    EXPECT_TRUE(cellIsAll(arenaBitmap, 10, 20, 0)) << "the exit door is not drawn";
    EXPECT_TRUE(samePixels(arena, arenaBitmap, QRect(0, 0, 640, 440)));
}

TEST_F(ArenaPainterTest, DoorsCoverTheirCellsTilesAndFalseKirpLooksLikeKirp) {
    test::LevelSpec level = test::simpleLevel();
    level.manDoor = {4, 20};     // on the brick floor
    level.shetsDoor = {10, 19};  // on the treasure
    level.set(8, 8, FalseKirp);
    level.set(8, 9, Kirp);
    setUpLevel(level);
    EXPECT_TRUE(cellIsAll(arenaBitmap, 20, 4, tileColour(ManDoor)));
    EXPECT_TRUE(cellIsAll(arenaBitmap, 19, 10, tileColour(ShetsDoor)));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) ASSERT_EQ(arena.pixel(160 + x, 160 + y), arena.pixel(180 + x, 160 + y));
}

TEST_F(ArenaPainterTest, CodesWithoutATileDrawNothing) {
    // The level codec refuses such codes; the painter still copes with a
    // grid that holds them.
    SetUpLevelState(state, decodeGameLevel(toStd(test::simpleLevel().lines())));
    state.setCell(4, 4, 9);
    state.setCell(4, 5, 19);
    state.setCell(4, 6, 27);
    state.setCell(4, 7, -1);
    painter.drawStaticArena(state);
    for (int c = 4; c <= 7; ++c) EXPECT_TRUE(cellIsAll(arenaBitmap, 4, c, 0)) << c;
}

TEST_F(ArenaPainterTest, SceneOrsTheManOntoTheArenaAndRestoresHisOldSquare) {
    test::LevelSpec level = test::simpleLevel();
    level.set(10, 10, Roupe);
    level.shets.clear();
    setUpLevel(level);
    state.ManX = 200;
    state.ManY = 200;  // on the rope
    state.ManFrame = 3;
    state.ManSpriteRow = kManRightStrip;
    painter.drawScene(state);
    // Inside the red square: rope colour OR red; the frame's black border
    // leaves the rope as it is.
    EXPECT_EQ(arena.pixel(210, 210), (tileColour(Roupe) | kFigureColour));
    EXPECT_EQ(arena.pixel(201, 201), tileColour(Roupe));
    EXPECT_EQ(arenaBitmap.pixel(210, 210), tileColour(Roupe)) << "the static arena never holds figures";

    state.ManX = 204;
    painter.drawScene(state);
    EXPECT_EQ(arena.pixel(205, 210), tileColour(Roupe)) << "the old picture is gone";
    EXPECT_EQ(arena.pixel(214, 210), (tileColour(Roupe) | kFigureColour));

    // Once the game has ended the man is not drawn, only restored.
    state.GameResult = GameResult::ManKilled;
    painter.drawScene(state);
    EXPECT_TRUE(samePixels(arena, arenaBitmap, QRect(196, 192, 36, 36)));
}

// What a scene's restores brought back from the static arena besides the
// figures is what the screen must repaint there.
TEST_F(ArenaPainterTest, ASceneReportsTheCellsItsRestoresBroughtBack) {
    test::LevelSpec level = test::simpleLevel();
    level.shets.clear();
    setUpLevel(level);
    state.ManX = 200;
    state.ManY = 200;
    painter.drawScene(state);
    EXPECT_TRUE(painter.cellsRestored().empty()) << "nothing differed yet";

    painter.takeKlad(10, 10);              // under the man: wholly inside his square
    painter.drawRegrowthFrame(10, 11, 5);  // reaches past his square's right edge
    painter.drawRegrowthFrame(2, 2, 5);    // far away: no restore reaches it
    painter.drawScene(state);
    EXPECT_EQ(painter.cellsRestored(), (std::vector<QRect>{QRect(200, 200, 20, 20), QRect(220, 200, 8, 20)}));
    EXPECT_TRUE(samePixels(arena, arenaBitmap, QRect(200, 200, 28, 20)));

    painter.drawScene(state);
    EXPECT_EQ(painter.cellsRestored(), std::vector<QRect>{QRect(220, 200, 8, 20)})
        << "a cell restored whole matches again; one restored in part still differs";
}

TEST_F(ArenaPainterTest, SceneDrawsDevilsAndAnimatedCellsIntoBothPictures) {
    test::LevelSpec level = test::simpleLevel();
    setUpLevel(level);
    state.ShetsFrame[0] = 2;
    state.ShetsSpriteRow[0] = kShetsRightStrip;
    state.ManFrame = 0;  // nothing to draw for a frame before the first
    const int glitter = kGlitterStates.first + 5, water = kWaterStates.first + 7, door = kExitDoorStates.first + 2;
    state.setCellState(19, 10, glitter);
    state.setCellState(19, 12, water);
    state.setCellState(5, 5, door);  // the exit door once shown
    painter.drawScene(state);
    EXPECT_EQ(arena.pixel(410, 390), kFigureColour) << "devil at (400, 380)";
    for (auto [r, c, v] : {std::tuple{19, 10, glitter}, {19, 12, water}, {5, 5, door}}) {
        EXPECT_TRUE(cellIsAll(arenaBitmap, r, c, frameColour(v))) << v;
        EXPECT_TRUE(cellIsAll(arena, r, c, frameColour(v))) << v;
    }
    EXPECT_EQ(arena.pixel(70, 390), tileColour(ManDoor)) << "the man's door under a man not yet animated";
}

TEST_F(ArenaPainterTest, AnAnimatedCellIsCopiedAgainOnlyWhenItsFrameChanges) {
    setUpLevel(test::simpleLevel());
    const int cell = 19 * kCols + 10;
    const auto drawnNow = [&] {
        painter.drawScene(state);
        const auto& drawn = painter.framesDrawn();
        return std::find(drawn.begin(), drawn.end(), cell) != drawn.end();
    };
    const int frame = kGlitterStates.first + 5, next = frame + 1;
    state.setCellState(19, 10, frame);
    EXPECT_TRUE(drawnNow());
    EXPECT_FALSE(drawnNow()) << "same frame, same pixels";
    EXPECT_TRUE(cellIsAll(arena, 19, 10, frameColour(frame)));
    state.setCellState(19, 10, next);
    EXPECT_TRUE(drawnNow());
    EXPECT_TRUE(cellIsAll(arena, 19, 10, frameColour(next)));
    // A treasure taken and a new frame of the same value later (the exit
    // door appearing where a treasure was) is drawn, not taken for shown.
    state.setCellState(19, 10, kNoCellState);
    EXPECT_FALSE(drawnNow());
    state.setCellState(19, 10, next);
    EXPECT_TRUE(drawnNow());
    // A new static arena covers every frame: all are drawn again.
    painter.drawStaticArena(state);
    EXPECT_TRUE(drawnNow());
    EXPECT_TRUE(cellIsAll(arenaBitmap, 19, 10, frameColour(next)));
}

TEST_F(ArenaPainterTest, TakeKladBurnBrickAndRegrowthUseTheirPicturesAndModes) {
    setUpLevel(test::simpleLevel());
    painter.takeKlad(19, 10);
    EXPECT_TRUE(cellIsAll(arenaBitmap, 19, 10, kBlankColour));
    EXPECT_TRUE(cellIsAll(arena, 19, 10, tileColour(Klad))) << "the screen follows later";
    painter.restoreAround(200, 380);
    EXPECT_TRUE(cellIsAll(arena, 19, 10, kBlankColour));

    painter.burnBrick(20, 7);
    EXPECT_TRUE(cellIsAll(arenaBitmap, 20, 7, kBlankColour));
    EXPECT_TRUE(cellIsAll(arena, 20, 7, kBlankColour));

    painter.drawRegrowthFrame(20, 7, 5);
    EXPECT_TRUE(cellIsAll(arenaBitmap, 20, 7, regrowthColour(5)));
    EXPECT_TRUE(cellIsAll(arena, 20, 7, kBlankColour | regrowthColour(5)));
}

TEST_F(ArenaPainterTest, FiguresForTheLevelRendererShowFirstFrames) {
    setUpLevel(test::simpleLevel());
    state.ManFrame = 0;
    state.ShetsFrame[0] = 0;
    state.ShetsSpriteRow[0] = 0;
    painter.drawFigures(state);
    EXPECT_EQ(arena.pixel(70, 390), tileColour(ManDoor) | kFigureColour);
    EXPECT_EQ(arena.pixel(410, 390), kFigureColour);
}

// The sprite sheet is drawn to fixed places; the layout's names must land
// on exactly those, or the game shows the wrong pictures of a real sheet.
TEST(SpriteLayout, EveryPictureLiesAtItsPlaceInTheSheet) {
    const std::pair<int32_t, QRect> tiles[] = {
        {Klad, ltrb(0, 115, 19, 135)},        {FalseKirp, ltrb(340, 69, 360, 89)},
        {Water, ltrb(0, 230, 19, 249)},       {ToRight, ltrb(180, 92, 200, 112)},
        {ToLeft, ltrb(200, 92, 220, 112)},    {Kol, ltrb(240, 92, 260, 112)},
        {Gum, ltrb(220, 92, 240, 112)},       {DownWater, ltrb(320, 230, 340, 250)},
        {Stairs, ltrb(0, 92, 19, 112)},       {Roupe, ltrb(20, 92, 40, 112)},
        {Kirp, ltrb(340, 69, 360, 89)},       {SuperKirp, ltrb(60, 92, 80, 112)},
        {Balka, ltrb(40, 92, 60, 112)},       {BoundVert, ltrb(120, 92, 140, 112)},
        {BoundHor, ltrb(140, 92, 160, 112)},  {ManDoor, ltrb(80, 92, 100, 112)},
        {ShetsDoor, ltrb(100, 92, 120, 112)},
    };
    for (const auto& [code, place] : tiles) EXPECT_EQ(sprites::staticTile(code), place) << "code " << code;
    EXPECT_EQ(sprites::tile(FalseKirpSlot), ltrb(160, 92, 180, 112)) << "the editor's own FalseKirp";

    const std::pair<int32_t, std::optional<QRect>> frames[] = {
        {0, std::nullopt},                  {1, std::nullopt},
        {18, std::nullopt},                 {19, std::nullopt},
        {20, ltrb(0, 115, 20, 135)},        {30, ltrb(200, 115, 220, 135)},
        {31, std::nullopt},                 {39, std::nullopt},
        {40, ltrb(0, 230, 20, 250)},        {55, ltrb(300, 230, 320, 250)},
        {56, std::nullopt},                 {59, std::nullopt},
        {60, ltrb(0, 414, 20, 434)},        {63, ltrb(60, 414, 80, 434)},
        {64, std::nullopt},
    };
    for (const auto& [v, place] : frames) EXPECT_EQ(sprites::animatedFrame(v), place) << "state " << v;

    EXPECT_EQ(sprites::regrowthFrame(1), ltrb(0, 69, 20, 89));
    EXPECT_EQ(sprites::regrowthFrame(kWholeBrickFrame), ltrb(340, 69, 360, 89));
    EXPECT_EQ(sprites::figureFrame(12, kShetsClimbStrip), ltrb(220, 391, 240, 411));
    EXPECT_EQ(sprites::blankPatch(), ltrb(290, 0, 330, 19));
}

// Figures come from a copy of the sheet cut into columns; every picture
// must still be the sheet's own, pixel for pixel, including pictures that
// reach past the sheet's bottom edge.
TEST(ArenaPainterFigures, EveryFramePictureIsTheSheetsOwn) {
    Bitmap sheet(360, 434);
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            sheet.image().setPixel(x, y, qRgb(x & 0xff, y & 0xff, (x >> 8) | (y >> 8) << 4));
    Bitmap arenaBitmap{640, 440};
    Bitmap arena{640, 440};
    ArenaPainter painter{sheet, arenaBitmap, arena};
    GameState state;
    state.ShetsCount = 0;
    state.ManStartX = state.ShetsStartX = 600;
    state.ManStartY = state.ShetsStartY = 400;
    painter.drawStaticArena(state);
    arenaBitmap.fill(0);
    arena.fill(0);
    state.ManX = 100;
    state.ManY = 100;
    for (const int row : {kManFallingStrip, kManRightStrip, kManLeftStrip, kManRopeRightStrip, kManRopeLeftStrip,
                          kManStandStrip, kManClimbStrip, kShetsFallingStrip, kShetsBlockedStrip, kShetsClimbStrip,
                          kExitDoorStrip, kExitDoorStrip + 1, kExitDoorStrip + 6}) {
        for (int frame = 0; frame <= 18; ++frame) {  // 0: not animated yet, lies off the sheet
            state.ManFrame = frame;
            state.ManSpriteRow = row;
            painter.drawScene(state);
            const QRect picture = sprites::figureFrame(frame, row);
            for (int dy = 0; dy < 20; ++dy)
                for (int dx = 0; dx < 20; ++dx) {
                    const QPoint from = picture.topLeft() + QPoint(dx, dy);
                    const bool onSheet = sheet.image().rect().contains(from);
                    const QRgb want = onSheet ? sheet.pixel(from.x(), from.y()) : qRgb(0, 0, 0);
                    ASSERT_EQ(arena.pixel(100 + dx, 100 + dy), want) << "frame " << frame << " row " << row;
                }
        }
    }
}

// The painter restores only where the screen picture may differ from the
// static arena. A second painter that has forgotten its arena copies whole
// squares, as a restore is defined; after any mix of steps both must show
// the same pixels, ghosts of figures nobody restored included.
TEST_F(ArenaPainterTest, RestoringOnlyWhatDiffersShowsWhatWholeSquaresShow) {
    test::LevelSpec level = test::simpleLevel();
    level.shets = {{20, 19}, {22, 19}, {24, 19}, {8, 10}, {16, 4}};
    setUpLevel(level);
    Bitmap wholeBitmap{640, 440};
    Bitmap whole{640, 440};
    ArenaPainter wholeSquares{sheet, wholeBitmap, whole};
    wholeSquares.drawStaticArena(state);
    wholeSquares.forgetArena();

    std::mt19937 rng(20261208);
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const auto both = [&](auto step) {
        step(painter);
        step(wholeSquares);
    };
    int jumps = 0;
    for (int i = 0; i < 3000; ++i) {
        const int what = pick(0, 99);
        if (what < 50) {
            // Every figure takes a small step, now and then one jumps away.
            for (int k = 0; k <= state.ShetsCount; ++k) {
                Shared<int32_t>& x = k == 0 ? state.ManX : state.ShetsX[static_cast<size_t>(k - 1)];
                Shared<int32_t>& y = k == 0 ? state.ManY : state.ShetsY[static_cast<size_t>(k - 1)];
                if (pick(0, 40) == 0) {
                    const int oldX = x, oldY = y;
                    x = pick(0, 620);
                    y = pick(0, 420);
                    ++jumps;
                    if (pick(0, 1)) both([&](ArenaPainter& p) { p.restoreAround(oldX, oldY); });
                } else {
                    x = std::clamp(x + pick(-4, 4), -10, 630);
                    y = std::clamp(y + pick(-4, 4), -10, 430);
                }
            }
            state.ManFrame = pick(1, 8);
            state.GameResult = pick(0, 20) ? GameResult::Normal : GameResult::ManKilled;
            both([&](ArenaPainter& p) { p.drawScene(state); });
        } else if (what < 60) {
            const int v = pick(0, 1) ? pick(kGlitterStates.first, kGlitterStates.last) : kNoCellState;
            state.setCellState(pick(0, kRows - 1), pick(0, kCols - 1), v);
        } else if (what < 70) {
            const int row = pick(0, kRows - 1), col = pick(0, kCols - 1);
            both([&](ArenaPainter& p) { p.takeKlad(row, col); });
        } else if (what < 80) {
            const int row = pick(0, kRows - 1), col = pick(0, kCols - 1);
            both([&](ArenaPainter& p) { p.burnBrick(row, col); });
        } else if (what < 95) {
            const int row = pick(0, kRows - 1), col = pick(0, kCols - 1), v = pick(kHoleStates.first, kHoleStates.last);
            both([&](ArenaPainter& p) { p.drawRegrowthFrame(row, col, v); });
        } else {
            const int x = pick(-10, 640), y = pick(-10, 440);
            both([&](ArenaPainter& p) { p.restoreAround(x, y); });
        }
        ASSERT_EQ(arenaBitmap.image(), wholeBitmap.image()) << "step " << i;
        ASSERT_EQ(arena.image(), whole.image()) << "step " << i << " (" << what << ")";
    }
    EXPECT_GT(jumps, 64) << "enough places left unrestored to fold the marks";
}

}  // namespace
}  // namespace tamb
