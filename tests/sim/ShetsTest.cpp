// The devils: catching, falling, trapping, ropes and meeting each other.
#include <gtest/gtest.h>

#include "SimTestSupport.h"

using namespace tamb;
using namespace tamb::test;

namespace {

// One devil on an unbreakable floor; the man's door is far to the left.
const std::vector<std::string> kOpenFloor = {
    "",
    "S........D............T.$",
    "%%%%%%%%%%%%%%%%%%%%%%%%%%",
};

// Puts the man at (x, y) and lets the devils take one step (the man stands).
bool caughtFrom(int manX, int manY) {
    Game g(kOpenFloor);
    const auto [dx, dy] = g.devil(0);
    g.s->ManX = dx + manX;
    g.s->ManY = dy + manY;
    g.tick(Command::Stop);
    return g.s->Lives == 2;
}

}  // namespace

TEST(ShetsCatch, OnlyInsideTheBoxOfSixAcrossAndSixteenDown) {
    EXPECT_TRUE(caughtFrom(4, 0));
    EXPECT_TRUE(caughtFrom(-4, 0));
    EXPECT_TRUE(caughtFrom(0, 14));
    EXPECT_TRUE(caughtFrom(0, -14));
    EXPECT_TRUE(caughtFrom(4, 14));
    EXPECT_FALSE(caughtFrom(6, 0));
    EXPECT_FALSE(caughtFrom(-6, 0));
    EXPECT_FALSE(caughtFrom(0, 16));
    EXPECT_FALSE(caughtFrom(0, -16));
}

TEST(ShetsCatch, ACatchSendsTheManHomeWithItsSound) {
    Game g(kOpenFloor);
    g.s->ManX = g.s->ShetsX[0] + 2;
    g.s->ManY = g.s->ShetsY[0];
    g.tick(Command::Stop);
    EXPECT_EQ(g.man(), std::make_pair(0, 20));
    EXPECT_EQ(g.s->Lives, 2);
    EXPECT_EQ(g.host.sounds, std::vector<std::string>{"ManCatched"});
    EXPECT_EQ(g.host.livesShown, std::vector<int>{2});
    ASSERT_EQ(g.host.restores.size(), 1u);  // the picture where he was caught
    EXPECT_EQ(g.host.restores[0], std::make_pair(182, 20));
}

TEST(ShetsCatch, LaterDevilsTestTheManWhereTheCatchPutHim) {
    // The second devil waits beside the man's door.
    Game g(makeLevel({"", "SD.......D............T.$", "%%%%%%%%%%%%%%%%%%%%%%%%%%"}));
    ASSERT_EQ(g.s->ShetsCount, 2);
    // Devil slots follow the level's order: the one at the door is slot 0.
    g.s->ShetsX[0] = 22;  // near the door
    g.s->ShetsX[1] = 180;
    g.s->ManX = 182;
    g.s->ManY = 20;
    g.tick(Command::Stop);
    // Slot 0 does not catch him at 182; slot 1 does and sends him to x 0,
    // where nothing after it looks. Then the order the other way round:
    EXPECT_EQ(g.s->Lives, 2);
    Game h(makeLevel({"", "S........D............T.$", "%%%%%%%%%%%%%%%%%%%%%%%%%%"}));
    h.s->ShetsCount = 2;
    h.s->ShetsX[1] = 2;
    h.s->ShetsY[1] = 20;
    h.s->ManX = 182;
    h.s->ManY = 20;
    h.tick(Command::Stop);
    EXPECT_EQ(h.s->Lives, 1);  // caught by slot 0, then again at home by slot 1
    EXPECT_EQ(h.host.sounds, (std::vector<std::string>{"ManCatched", "ManCatched"}));
}

TEST(ShetsTrap, ATrappedDevilDiesWhenTheBrickGrowsBackAndReturnsAtTheDoor) {
    Game g(makeLevel({"", "..M...D...T...$", "###############", "%%%%%%%%%%%%%%%"}));
    g.s->ManFacing = Facing::Right;
    g.tick(Command::Fire);  // hole at (2, 3)
    ASSERT_EQ(g.s->cell(2, 3), Empty);
    // The devil walks left 2 pixels a tick and drops into the hole.
    int ticks = 0;
    while (g.s->ShetsY[0] != 40 && ticks < 100) {
        g.tick(Command::Stop);
        ++ticks;
    }
    ASSERT_EQ(g.devil(0), std::make_pair(60, 40));
    EXPECT_EQ(1 + ticks, 30 + 1 + 10);  // 30 steps (one in the burning tick), the fall test, 10 falling
    // It cannot climb out nor leave sideways.
    g.ticks(Command::Stop, 20);
    EXPECT_EQ(g.devil(0), std::make_pair(60, 40));
    // The man stands on its head while the hole is young.
    g.ticks(Command::Right, 5);
    EXPECT_EQ(g.man(), std::make_pair(60, 20));
    g.tick(Command::Stop);
    EXPECT_FALSE(g.s->ManFalling);
    g.ticks(Command::Right, 5);
    EXPECT_EQ(g.man(), std::make_pair(80, 20));

    for (int i = 0; i < kHoleStates.frames(); ++i) KirpTick(*g.s, g.host);
    ASSERT_EQ(g.s->cell(2, 3), Kirp);
    g.host.sounds.clear();
    g.host.restores.clear();
    g.tick(Command::Stop);
    EXPECT_EQ(g.host.sounds, std::vector<std::string>{"ShetsAlive"});
    ASSERT_FALSE(g.host.restores.empty());
    EXPECT_EQ(g.host.restores[0], std::make_pair(60, 40));
    // Back at the door; it walks on from there in the same step.
    EXPECT_EQ(g.s->ShetsY[0], 20);
    EXPECT_EQ(g.s->ShetsX[0], 198);
}

TEST(ShetsTrap, AnOldHoleNoLongerCarriesTheMan) {
    Game g(makeLevel({"", "..M", "###", "%%%"}));
    g.s->ShetsCount = 1;
    g.s->ShetsX[0] = 40;
    g.s->ShetsY[0] = 40;
    g.s->setCell(2, 2, Empty);
    g.s->setCellState(2, 2, kHoleCarriesHeadLast);
    g.s->ManY = 20;
    g.tick(Command::Stop);
    EXPECT_FALSE(g.s->ManFalling);
    g.s->setCellState(2, 2, kHoleCarriesHeadLast + 1);
    g.tick(Command::Stop);
    EXPECT_TRUE(g.s->ManFalling);
}

TEST(ShetsMeeting, TwoDevilsOnOneSpotSeparate) {
    Game g(makeLevel({"", "M.........D", "%%%%%%%%%%%%%", "", "...$"}));
    g.s->ShetsCount = 2;
    g.s->ShetsX[1] = g.s->ShetsX[0];
    g.s->ShetsY[1] = g.s->ShetsY[0];
    g.tick(Command::Stop);
    EXPECT_EQ(g.devil(0), std::make_pair(198, 20));
    EXPECT_EQ(g.devil(1), std::make_pair(200, 20));  // blocked by the first, which now overlaps it
    g.ticks(Command::Stop, 10);
    // In single file, the second one step behind the first's cell.
    EXPECT_EQ(g.devil(1).first - g.devil(0).first, 18);
}

TEST(ShetsMeeting, ADevilOnTheOthersHeadDoesNotFall) {
    Game g(makeLevel({"", "", "M.......%D", "%%%%%%%%%%%", ".....$"}));
    g.s->ShetsCount = 2;
    g.s->ShetsX[1] = 180;
    g.s->ShetsY[1] = 20;  // right on top of devil 0, over air
    g.tick(Command::Stop);
    EXPECT_FALSE(g.s->ShetsFalling[1]);
}

TEST(ShetsRope, ADevilOnARopeOverTheManDropsWhateverItsDx) {
    for (int x : {100, 102, 110}) {
        Game g(makeLevel({"", "----------", "", "M..........T", "%%%%%%%%%%%%%", "...$"}));
        g.s->ShetsCount = 1;
        g.s->ShetsX[0] = x;
        g.s->ShetsY[0] = 20;
        g.tick(Command::Stop);
        EXPECT_TRUE(g.s->ShetsFalling[0]) << "x " << x;
        EXPECT_TRUE(g.s->ShetsLetGo[0]) << "x " << x;
        EXPECT_EQ(g.devil(0), std::make_pair(x, 20));
        g.tick(Command::Stop);
        EXPECT_EQ(g.s->ShetsY[0], 22) << "x " << x;
    }
}

TEST(ShetsRope, ADevilOnARopeBelowTheManWalksAlongIt) {
    Game g(makeLevel({"M", "%%", "", "----------", "", "", "", "...........$"}));
    g.s->ShetsCount = 1;
    g.s->ShetsX[0] = 100;
    g.s->ShetsY[0] = 60;
    g.tick(Command::Stop);
    EXPECT_FALSE(g.s->ShetsFalling[0]);
    EXPECT_EQ(g.devil(0), std::make_pair(98, 60));
}

TEST(ShetsFall, ADevilFallingOutOfTheArenaComesBackAtTheDoor) {
    Game g(makeLevel({"", "S.......T", "%%%%%%%%%%%%%", "...$"}));
    g.s->ShetsCount = 1;
    g.s->ShetsX[0] = 100;
    g.s->ShetsY[0] = 420;  // row 21, nothing under it
    g.tick(Command::Stop);
    EXPECT_TRUE(g.s->ShetsFalling[0]);
    g.ticks(Command::Stop, 29);
    EXPECT_EQ(g.devil(0), std::make_pair(100, kFallOutY - 2));
    EXPECT_TRUE(g.host.sounds.empty());
    g.tick(Command::Stop);
    EXPECT_EQ(g.host.sounds, std::vector<std::string>{"ShetsAlive"});
    EXPECT_EQ(g.s->ShetsY[0], 20);
    EXPECT_FALSE(g.s->ShetsFalling[0]);
}

TEST(ShetsDeadly, ADevilInWaterComesBackAtTheDoorInTheSameTick) {
    Game g(makeLevel({"", "M....~....T", "%%%%%%%%%%%%%", "...$"}));
    g.s->ShetsCount = 1;
    g.s->ShetsX[0] = 100;
    g.s->ShetsY[0] = 20;
    g.tick(Command::Stop);
    EXPECT_EQ(g.host.sounds, std::vector<std::string>{"ShetsAlive"});
    EXPECT_EQ(g.devil(0), std::make_pair(198, 20));  // and it stepped on toward the man
    EXPECT_EQ(g.s->Lives, 3);
}

TEST(ShetsChoice, ClimbsTowardTheManAndStandsWhenItCannot) {
    // Ladder at column 5 down through the floor; the man stands on the floor below.
    Game g(makeLevel({"", "", ".....HD", "%%%%%H%%", "M....H...$", "%%%%%%%%%%"}));
    g.ticks(Command::Stop, 10);
    EXPECT_EQ(g.devil(0), std::make_pair(100, 40));
    g.ticks(Command::Stop, 10);
    EXPECT_EQ(g.devil(0), std::make_pair(100, 60));
    EXPECT_EQ(g.s->ShetsDirection[0], Direction::Down);
    // Right above the man with a floor under its feet and no ladder: it stands.
    Game h(makeLevel({"", "M", "%%%%", "M...$"}));
    h.s->ShetsCount = 1;
    h.s->ShetsX[0] = 0;
    h.s->ShetsY[0] = 20;
    h.s->ManX = 0;
    h.s->ManY = 60;
    h.tick(Command::Stop);
    EXPECT_EQ(h.s->ShetsDirection[0], Direction::Stop);
    EXPECT_EQ(h.devil(0), std::make_pair(0, 20));
}
