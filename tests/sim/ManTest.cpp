// The man: walking, falling, ropes, ladders, gum and burning.
#include <gtest/gtest.h>

#include "SimTestSupport.h"

using namespace tamb;
using namespace tamb::test;

namespace {

GameLevel withCell(GameLevel level, int row, int col, int32_t code) {
    level.cells[row * kCols + col] = code;
    return level;
}

// A floor of bricks on a floor of unbreakable ones; a treasure keeps the
// level from ending.
const std::vector<std::string> kBrickFloor = {
    "",
    "..M......$",
    "##########",
    "%%%%%%%%%%",
};

void faceLeftInPlace(Game& g) {
    g.tick(Command::Right);
    g.tick(Command::Left);
    ASSERT_EQ(g.man(), std::make_pair(40, 20));
    ASSERT_EQ(g.s->ManFacing, Facing::Left);
}

}  // namespace

TEST(ManBurning, BurnsTheBrickBelowOnTheFacedSideAndWalksIntoTheHoleAtDxZero) {
    Game g(kBrickFloor);
    faceLeftInPlace(g);
    g.tick(Command::Fire);
    ASSERT_EQ(g.host.burnt, (std::vector<std::pair<int, int>>{{2, 1}}));
    EXPECT_EQ(g.s->cell(2, 1), Empty);
    EXPECT_EQ(g.s->cellState(2, 1), kHoleStates.first);
    EXPECT_EQ(g.host.sounds, std::vector<std::string>{"Fire"});

    // Over the hole but off its column he keeps walking.
    for (int x : {36, 32, 28, 24, 20}) {
        g.tick(Command::Left);
        EXPECT_EQ(g.man(), std::make_pair(x, 20));
        EXPECT_FALSE(g.s->ManFalling) << "x " << x;
    }
    // Aligned with the hole: the next tick finds nothing under him.
    g.tick(Command::Left);
    EXPECT_TRUE(g.s->ManFalling);
    EXPECT_EQ(g.man(), std::make_pair(20, 20));
    for (int y : {24, 28, 32, 36, 40}) {
        g.tick(Command::Stop);
        EXPECT_EQ(g.s->ManY, y);
    }
    // Lands on the unbreakable floor inside the hole.
    EXPECT_FALSE(g.s->ManFalling);
    g.ticks(Command::Stop, 3);
    EXPECT_EQ(g.man(), std::make_pair(20, 40));
}

TEST(ManBurning, HoldingFireBurnsOnceAndPressingAgainBurnsTheNext) {
    Game g(kBrickFloor);
    faceLeftInPlace(g);
    g.ticks(Command::Fire, 5);
    EXPECT_EQ(g.host.burnt.size(), 1u);
    EXPECT_EQ(g.s->ManFacing, Facing::FireLeft);
    g.tick(Command::Stop);
    EXPECT_EQ(g.s->ManFacing, Facing::Left);
    g.tick(Command::Fire);  // (2, 1) is a hole already: nothing to burn there
    EXPECT_EQ(g.host.burnt.size(), 1u);
    g.tick(Command::Right);  // x 44, facing right
    g.ticks(Command::Fire, 3);
    EXPECT_EQ(g.host.burnt, (std::vector<std::pair<int, int>>{{2, 1}, {2, 3}}));
    EXPECT_EQ(g.host.sounds, (std::vector<std::string>{"Fire", "Fire"}));
}

TEST(ManBurning, FacingRightBurnsTheNextColumnAndFurtherWhenPastHalfTheCell) {
    Game g(kBrickFloor);
    g.tick(Command::Right);  // x 44, dx 4
    g.tick(Command::Fire);
    g.tick(Command::Stop);
    g.ticks(Command::Right, 2);  // x 52, dx 12
    g.tick(Command::Fire);
    EXPECT_EQ(g.host.burnt, (std::vector<std::pair<int, int>>{{2, 3}, {2, 4}}));
}

TEST(ManBurning, NothingBurnsBeforeTheManHasFacedASide) {
    Game g(kBrickFloor);
    g.ticks(Command::Fire, 3);
    EXPECT_TRUE(g.host.burnt.empty());
    EXPECT_EQ(g.s->cell(2, 1), Kirp);
    EXPECT_EQ(g.s->cell(2, 3), Kirp);
}

TEST(ManBurning, HangingOnARopeBurnsNothing) {
    Game g(makeLevel({"", "---M-----.$", "##########", "%%%%%%%%%%"}));
    g.tick(Command::Left);  // x 56: on the rope, past half the cell
    g.tick(Command::Fire);
    g.tick(Command::Stop);
    g.ticks(Command::Left, 4);  // x 40: on the rope
    ASSERT_EQ(g.s->cell(1, 2), Roupe);
    g.tick(Command::Fire);
    EXPECT_TRUE(g.host.burnt.empty());
    EXPECT_TRUE(g.host.sounds.empty());
}

TEST(ManBurning, UnbreakableBricksAndBeamsStay) {
    Game g(makeLevel({"", "..M......$", "%%%=%%%%%%"}));
    g.tick(Command::Right);
    g.tick(Command::Fire);  // target (2, 3): Balka
    g.tick(Command::Left);
    g.tick(Command::Fire);  // target (2, 1): SuperKirp
    EXPECT_TRUE(g.host.burnt.empty());
    EXPECT_TRUE(g.host.sounds.empty());
    EXPECT_EQ(g.s->cell(2, 3), Balka);
    EXPECT_EQ(g.s->cell(2, 1), SuperKirp);
}

TEST(ManRope, HangsUntilDownLetsGoThenFallsFourPixelsATick) {
    Game g(withCell(makeLevel({"", "--M-------", "", "", "%%%%%%%%%%", "", ".........$"}), 1, 2, Roupe));
    g.ticks(Command::Stop, 3);
    EXPECT_FALSE(g.s->ManFalling);
    EXPECT_EQ(g.man(), std::make_pair(40, 20));
    g.tick(Command::Down);
    EXPECT_TRUE(g.s->ManFalling);
    EXPECT_TRUE(g.s->ManLetGo);
    EXPECT_EQ(g.s->ManY, 20);
    for (int y = 24; y <= 60; y += 4) {
        g.tick(Command::Stop);
        EXPECT_EQ(g.s->ManY, y);
    }
    EXPECT_FALSE(g.s->ManFalling);
    EXPECT_FALSE(g.s->ManLetGo);
}

namespace {
// A ladder in column 3 from row 1 to row 4 on a floor.
const std::vector<std::string> kLadder = {
    "",
    "...H",
    "...H",
    "...H",
    "...H.....$",
    "%%%%%%%%%%",
};
}  // namespace

class StairsSnap : public ::testing::TestWithParam<int> {};

TEST_P(StairsSnap, ClimbingOffTheColumnSnapsOntoTheLadder) {
    Game g(makeLevel(kLadder));
    g.s->ManX = GetParam();
    g.s->ManY = 80;
    g.tick(Command::Up);
    EXPECT_EQ(g.man(), std::make_pair(60, 76));
    g.tick(Command::Up);
    EXPECT_EQ(g.man(), std::make_pair(60, 72));
}

INSTANTIATE_TEST_SUITE_P(OneOrTwoStepsOff, StairsSnap, ::testing::Values(64, 68, 52, 56));

TEST(ManStairs, NoClimbingAtDx9) {
    Game g(makeLevel(kLadder));
    g.s->ManX = 69;
    g.s->ManY = 80;
    g.tick(Command::Up);
    EXPECT_EQ(g.man(), std::make_pair(69, 80));
    g.s->ManY = 60;
    g.tick(Command::Down);
    EXPECT_EQ(g.man(), std::make_pair(69, 60));
    // One pixel nearer the column climbing works.
    g.s->ManX = 68;
    g.tick(Command::Down);
    EXPECT_EQ(g.man(), std::make_pair(60, 64));
}

TEST(ManStairs, ALadderInCurOrRightHoldsTheManOverAir) {
    // The lowest rung hangs over nothing.
    const GameLevel level = makeLevel({"", "...H", "...H", "...H", "", "", "", "", ".........$"});
    for (int x : {60, 48, 44}) {
        Game g(level);
        g.s->ManX = x;
        g.s->ManY = 60;
        g.ticks(Command::Stop, 4);
        EXPECT_FALSE(g.s->ManFalling) << "x " << x;
        EXPECT_EQ(g.s->ManY, 60) << "x " << x;
    }
    Game g(level);
    g.s->ManX = 40;  // aligned beside the ladder: nothing holds him
    g.s->ManY = 60;
    g.tick(Command::Stop);
    EXPECT_TRUE(g.s->ManFalling);
}

TEST(ManGum, MovesEverySecondTickAndDrawsEveryTick) {
    Game g(makeLevel({"", ".Mggggggg.$", "%%%%%%%%%%"}));
    g.ticks(Command::Right, 8);
    EXPECT_EQ(g.s->ManX, 36);
    EXPECT_EQ(g.host.count("drawScene"), 8);
    Game free(makeLevel({"", ".M.......$", "%%%%%%%%%%"}));
    free.ticks(Command::Right, 8);
    EXPECT_EQ(free.s->ManX, 52);
}

TEST(ManAnimation, WalkingCyclesTwelveFramesAndStoppingShowsFrameOne) {
    Game g(makeLevel({"", ".M.................$", "%%%%%%%%%%%%%%%%%%%%%"}));
    std::vector<int> frames;
    for (int i = 0; i < 13; ++i) {
        g.tick(Command::Right);
        frames.push_back(g.s->ManFrame);
        EXPECT_EQ(g.s->ManSpriteRow, kManRightStrip);
    }
    // ManFrame starts at 0 in a fresh state.
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1}));
    g.tick(Command::Left);
    EXPECT_EQ(g.s->ManSpriteRow, kManLeftStrip);
    g.tick(Command::Stop);
    EXPECT_EQ(g.s->ManFrame, 1);
}
