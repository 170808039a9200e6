// The brick and animation timers, and level setup.
#include <gtest/gtest.h>

#include "SimTestSupport.h"

using namespace tamb;
using namespace tamb::test;

TEST(KirpTimer, AHoleShowsEighteenFramesThenIsABrickAgain) {
    Game g(makeLevel({"", ".M..$"}));
    g.s->setCellState(3, 4, kHoleStates.first);
    g.s->Command = Command::Stop;
    for (int i = 0; i < 17; ++i) KirpTick(*g.s, g.host);
    EXPECT_EQ(g.s->cellState(3, 4), kHoleStates.last);
    EXPECT_EQ(g.s->cell(3, 4), Empty);
    KirpTick(*g.s, g.host);
    EXPECT_EQ(g.s->cellState(3, 4), kNoCellState);
    EXPECT_EQ(g.s->cell(3, 4), Kirp);
    ASSERT_EQ(g.host.regrowth.size(), 18u);
    for (int v = kHoleStates.first; v <= kHoleStates.last; ++v) {
        EXPECT_EQ(g.host.regrowth[v - 1].v, v);
        EXPECT_EQ(g.host.regrowth[v - 1].row, 3);
        EXPECT_EQ(g.host.regrowth[v - 1].col, 4);
    }
    KirpTick(*g.s, g.host);
    EXPECT_EQ(g.host.regrowth.size(), 18u);
}

TEST(KirpTimer, PauseFreezesRegrowthButNotOtherAnimations) {
    Game g(makeLevel({"", ".M..$"}));
    g.s->setCellState(3, 4, 5);
    g.s->Command = Command::Pause;
    KirpTick(*g.s, g.host);
    EXPECT_EQ(g.s->cellState(3, 4), 5);
    EXPECT_TRUE(g.host.regrowth.empty());
    EXPECT_FALSE(AnimationTick(*g.s));
    EXPECT_EQ(g.s->cellState(1, 4), kGlitterStates.first + 1);
    g.s->Command = Command::Stop;
    KirpTick(*g.s, g.host);
    EXPECT_EQ(g.s->cellState(3, 4), 6);
}

TEST(AnimationTimer, CyclesTreasureWaterAndDoorFrames) {
    Game g(makeLevel({""}));
    const auto [g0, g1] = kGlitterStates;
    const auto [w0, w1] = kWaterStates;
    const auto [d0, d1] = kExitDoorStates;
    // Each range steps on and wraps; holes and values between the ranges stay.
    const int values[] = {g0, g1, w0, w1, d0, d1, 7, kNoCellState, kHoleRegrown, g1 + 1};
    const int expected[] = {g0 + 1, g0, w0 + 1, w0, d0 + 1, d0, 7, kNoCellState, kHoleRegrown, g1 + 1};
    for (int i = 0; i < 10; ++i) g.s->setCellState(5, i, values[i]);
    EXPECT_FALSE(AnimationTick(*g.s));
    for (int i = 0; i < 10; ++i) EXPECT_EQ(g.s->cellState(5, i), expected[i]) << values[i];
}

TEST(AnimationTimer, ReportsTheEndOfAGameAndLeavesTheFrames) {
    for (GameResult r : {GameResult::ManKilled, GameResult::LevelPassed}) {
        Game g(makeLevel({"", ".M..$"}));
        g.s->GameResult = r;
        EXPECT_TRUE(AnimationTick(*g.s));
        EXPECT_EQ(g.s->cellState(1, 4), kGlitterStates.first);
    }
}

TEST(LevelSetup, FillsTheStateFromTheLevel) {
    GameLevel level = makeLevel({"", ".M.~.$", "%%%$%%", "", ".D..D", "S", "", "", "T...X"});
    auto s = std::make_unique<GameState>();
    s->Lives = 0;
    s->KladsLeft = 9;
    s->Command = Command::Exit;
    s->GameResult = GameResult::ManKilled;
    s->ManFalling = true;
    s->GumCount = 1;
    s->setCellState(10, 10, 5);
    s->ManFacing = Facing::Left;
    SetUpLevelState(*s, level);
    EXPECT_EQ(s->ManX, 20);
    EXPECT_EQ(s->ManY, 20);
    EXPECT_EQ(s->ManStartX, 0);
    EXPECT_EQ(s->ManStartY, 100);
    EXPECT_EQ(s->ShetsStartX, 0);
    EXPECT_EQ(s->ShetsStartY, 160);
    EXPECT_EQ(s->OutDoorX, 80);
    EXPECT_EQ(s->OutDoorY, 160);
    EXPECT_EQ(s->ShetsCount, 2);
    EXPECT_EQ(s->ShetsX[1], 80);
    EXPECT_EQ(s->ShetsY[1], 80);
    EXPECT_EQ(s->ShetsDirection[0], Direction::Stop);
    EXPECT_EQ(s->KladsLeft, 2);
    EXPECT_EQ(s->Lives, 3);
    EXPECT_EQ(s->GumCount, 0);
    EXPECT_FALSE(s->ManFalling);
    EXPECT_EQ(s->Command, Command::Stop);
    EXPECT_EQ(s->GameResult, GameResult::Normal);
    EXPECT_EQ(s->cellState(1, 5), kGlitterStates.first);
    EXPECT_EQ(s->cellState(2, 3), kGlitterStates.first);
    EXPECT_EQ(s->cellState(1, 3), kWaterStates.first);
    EXPECT_EQ(s->cellState(10, 10), kNoCellState);  // no regrowth carries over
    EXPECT_EQ(s->ManFacing, Facing::Left);  // the man's pose carries over
}

TEST(LevelSetup, KeepsAtMostFifteenDevils) {
    GameLevel level = makeLevel({"", ".M..$"});
    for (int k = 0; k < 17; ++k) level.shets.push_back({k, 5});
    auto s = std::make_unique<GameState>();
    SetUpLevelState(*s, level);
    EXPECT_EQ(s->ShetsCount, kMaxShets);
    EXPECT_EQ(s->ShetsX[14], 280);
    NullGameHost host;
    RunTick(*s, host);  // every devil steps without leaving the tables
    EXPECT_EQ(s->ShetsCount, kMaxShets);
}
