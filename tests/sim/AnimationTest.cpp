// The animation frames and strips chosen by the scene step.
#include <gtest/gtest.h>

#include "SimTestSupport.h"

using namespace tamb;
using namespace tamb::test;

TEST(ManAnimationStrips, FallingRunsEightFramesOnTheFallingStrip) {
    Game g(makeLevel({".M", "", "", "", "", "", "", "%%%", "....$"}));
    g.tick(Command::Stop);  // the fall begins; nothing is drawn
    EXPECT_EQ(g.host.count("drawScene"), 0);
    std::vector<int> frames;
    for (int i = 0; i < 10; ++i) {
        g.tick(Command::Stop);
        frames.push_back(g.s->ManFrame);
        EXPECT_EQ(g.s->ManSpriteRow, kManFallingStrip);
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 1, 2}));
}

TEST(ManAnimationStrips, RopeStripsBySideAndSixFrames) {
    Game g(makeLevel({"", "-M---------", "", "", "%%%%%%%%%%%%", "..........$"}));
    g.s->setCell(1, 1, Roupe);
    std::vector<int> frames;
    for (int i = 0; i < 7; ++i) {
        g.tick(Command::Right);
        frames.push_back(g.s->ManFrame);
        EXPECT_EQ(g.s->ManSpriteRow, kManRopeRightStrip);
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 4, 5, 6, 1}));
    g.tick(Command::Left);
    EXPECT_EQ(g.s->ManSpriteRow, kManRopeLeftStrip);
    g.tick(Command::Stop);
    EXPECT_EQ(g.s->ManSpriteRow, kManRopeLeftStrip);  // still facing left on the rope
}

TEST(ManAnimationStrips, FirePoseFacesTheBurntSide) {
    Game g(makeLevel({"", "..M......$", "##########"}));
    g.tick(Command::Right);
    g.tick(Command::Fire);
    EXPECT_EQ(g.s->ManSpriteRow, kManStandStrip);
    EXPECT_EQ(g.s->ManFrame, 1);
    g.tick(Command::Left);
    g.tick(Command::Fire);
    EXPECT_EQ(g.s->ManSpriteRow, kManStandStrip);
    EXPECT_EQ(g.s->ManFrame, 2);
    EXPECT_EQ(g.s->ManFacing, Facing::FireLeft);
}

TEST(ManAnimationStrips, WalkingIntoAWallStandsAndClimbingUsesTheLadderStrip) {
    Game g(makeLevel({"", ".M%..H....$", "%%%%%H%%%%%"}));
    g.tick(Command::Right);
    EXPECT_EQ(g.man(), std::make_pair(20, 20));
    EXPECT_EQ(g.s->ManSpriteRow, kManStandStrip);
    EXPECT_EQ(g.s->ManFrame, 1);
    g.tick(Command::Left);
    g.tick(Command::Right);  // back at x 20, against the wall again
    EXPECT_EQ(g.s->ManSpriteRow, kManStandStrip);

    Game h(makeLevel({"", ".....H....$", "%%%%%H%%%%%", ".....H", "%%%%%%%%%%%"}));
    h.s->ManX = 100;
    h.s->ManY = 20;
    h.tick(Command::Down);
    EXPECT_EQ(h.s->ManY, 24);
    EXPECT_EQ(h.s->ManSpriteRow, kManClimbStrip);
}

TEST(ShetsAnimationStrips, AFallingDevilCyclesFramesTwoToEight) {
    Game g(makeLevel({"", "M.........D", "%%%%%%%%", "", "", "", "", "", "", "", "%%%%%%%%%%%%%", "...$"}));
    std::vector<int> frames;
    for (int i = 0; i < 10; ++i) {
        g.tick(Command::Stop);
        frames.push_back(g.s->ShetsFrame[0]);
        EXPECT_EQ(g.s->ShetsSpriteRow[0], kShetsFallingStrip);
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 2, 3}));
}

TEST(ShetsAnimationStrips, WalkingAndBlockedDevils) {
    Game g(makeLevel({"", "M....D", "%%%%%%%%%%", "...$"}));
    g.tick(Command::Stop);
    EXPECT_EQ(g.s->ShetsSpriteRow[0], kShetsLeftStrip);
    EXPECT_EQ(g.s->ShetsFacing[0], Facing::Left);
    // A wall between it and the man: blocked pose facing left.
    Game h(makeLevel({"", "M...%D", "%%%%%%%%%%", "...$"}));
    h.tick(Command::Stop);
    EXPECT_EQ(h.devil(0), std::make_pair(100, 20));
    EXPECT_EQ(h.s->ShetsSpriteRow[0], kShetsBlockedStrip);
    EXPECT_EQ(h.s->ShetsFrame[0], 2);
}

TEST(ShetsAnimationStrips, ADevilThatNeverMovedStillLooksLikeADevil) {
    // Right under the man with nothing to climb: it stands from the start.
    // Its strip must be one of the devils', never the man's.
    Game g(makeLevel({".....M", "%%%%%%%%", ".....D", "%%%%%%%%", "...$"}));
    g.ticks(Command::Stop, 3);
    EXPECT_EQ(g.devil(0), std::make_pair(100, 40));
    EXPECT_GE(g.s->ShetsSpriteRow[0], kFirstShetsStrip);
    EXPECT_EQ(g.s->ShetsFrame[0], 1);
    // And the man before his first move stands rather than falls.
    EXPECT_EQ(g.s->ManSpriteRow, kManStandStrip);
}
