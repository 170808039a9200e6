// Treasures, the exit door, deaths and the end of a level.
#include <gtest/gtest.h>

#include "SimTestSupport.h"

using namespace tamb;
using namespace tamb::test;

TEST(Treasure, TheLastOneOpensTheDoorWithItsOwnSound) {
    Game g(makeLevel({"", ".M.$.$....X", "%%%%%%%%%%%%"}));
    ASSERT_EQ(g.s->KladsLeft, 2);
    g.ticks(Command::Right, 11);  // at x 60 after ten; taken at the next tick
    EXPECT_EQ(g.host.sounds, std::vector<std::string>{"Klad"});
    EXPECT_EQ(g.s->KladsLeft, 1);
    EXPECT_EQ(g.s->cell(1, 3), Empty);
    EXPECT_EQ(g.s->cellState(1, 3), 0);
    EXPECT_EQ(g.s->cellState(1, 10), 0);
    g.ticks(Command::Right, 10);  // at x 100 and taken
    EXPECT_EQ(g.host.sounds, (std::vector<std::string>{"Klad", "DoorAppears"}));
    EXPECT_EQ(g.host.takenKlads, (std::vector<std::pair<int, int>>{{1, 3}, {1, 5}}));
    EXPECT_EQ(g.host.kladsAtTake, (std::vector<int>{1, 0}));  // the label is refreshed after the count
    EXPECT_EQ(g.s->KladsLeft, 0);
    EXPECT_EQ(g.s->cellState(1, 10), kExitDoorStates.first);
}

TEST(Treasure, TakenWhileFallingThroughItsCell) {
    Game g(makeLevel({".M", ".$", "", "%%%", ".....$"}));
    g.ticks(Command::Stop, 8);
    EXPECT_EQ(g.s->KladsLeft, 1);
    EXPECT_EQ(g.s->cell(1, 1), Empty);
    EXPECT_EQ(g.host.sounds, std::vector<std::string>{"Klad"});
}

TEST(ExitDoor, PassedOnlyStandingExactlyOnIt) {
    // No treasure at all: the door works from the start.
    Game g(makeLevel({"", ".M...X", "%%%%%%%%"}));
    g.s->LevelNumber = 4;
    g.ticks(Command::Right, 20);
    EXPECT_EQ(g.man(), std::make_pair(100, 20));
    EXPECT_EQ(g.s->GameResult, GameResult::Normal);
    g.tick(Command::Right);
    EXPECT_EQ(g.s->GameResult, GameResult::LevelPassed);
    EXPECT_EQ(g.s->Command, Command::Exit);
    EXPECT_EQ(g.s->LevelNumber, 5);
    EXPECT_EQ(g.man(), std::make_pair(100, 20));  // the tick ended before any move
    EXPECT_EQ(g.host.sounds, std::vector<std::string>{"LevelPassed"});

    // One row off, walking through the door's column does nothing.
    Game h(makeLevel({"", ".M", "%%%%%%%%", ".....X"}));
    h.ticks(Command::Right, 40);
    EXPECT_EQ(h.s->GameResult, GameResult::Normal);
    // A treasure left keeps the door shut.
    Game k(makeLevel({"", ".M...X..$", "%%%%%%%%%"}));
    k.ticks(Command::Right, 21);
    EXPECT_EQ(k.s->GameResult, GameResult::Normal);
}

TEST(Death, DeadlyCellsKillWithGoodMorningAndSendTheManHome) {
    for (const char* cell : {"~", "^", "w"}) {
        Game g(makeLevel({"", std::string("S.M.") + cell + "....$", "%%%%%%%%%%"}));
        g.ticks(Command::Right, 11);
        EXPECT_EQ(g.s->Lives, 2) << cell;
        EXPECT_EQ(g.man(), std::make_pair(0, 20)) << cell;
        EXPECT_EQ(g.host.sounds, std::vector<std::string>{"GoodMorning"}) << cell;
        EXPECT_EQ(g.host.livesShown, std::vector<int>{2}) << cell;
        ASSERT_EQ(g.host.restores.size(), 1u);
        EXPECT_EQ(g.host.restores[0], std::make_pair(80, 20));
    }
}

TEST(Death, ABrickGrowingBackAroundTheManKillsHim) {
    Game g(makeLevel({"", "S.M......$", "##########", "%%%%%%%%%%"}));
    g.tick(Command::Left);
    g.tick(Command::Fire);  // x 36, dx 16: the brick under his own column (2, 1)
    g.ticks(Command::Left, 4);
    g.ticks(Command::Stop, 8);
    ASSERT_EQ(g.man(), std::make_pair(20, 40));
    for (int i = 0; i < 17; ++i) KirpTick(*g.s, g.host);
    g.tick(Command::Stop);
    EXPECT_EQ(g.s->Lives, 3);
    KirpTick(*g.s, g.host);
    ASSERT_EQ(g.s->cell(2, 1), Kirp);
    g.tick(Command::Stop);
    EXPECT_EQ(g.s->Lives, 2);
    EXPECT_EQ(g.host.sounds.back(), "GoodMorning");
}

TEST(Death, FallingOutOfTheArenaCostsALife) {
    Game g(makeLevel({"S", "%%", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "..M..$"}));
    g.tick(Command::Stop);
    ASSERT_TRUE(g.s->ManFalling);
    g.ticks(Command::Stop, 14);
    EXPECT_EQ(g.s->ManY, kFallOutY - 4);
    g.tick(Command::Stop);
    EXPECT_EQ(g.man(), std::make_pair(0, 0));
    EXPECT_FALSE(g.s->ManFalling);
    EXPECT_EQ(g.s->Lives, 2);
    EXPECT_EQ(g.host.sounds, std::vector<std::string>{"OutOfScreen"});
}

TEST(Death, UserKillsManCostsALifeAndDoesNothingElseThatTick) {
    Game g(makeLevel({"", "S..M.....D.$", "%%%%%%%%%%%%%"}));
    g.tick(Command::UserKillsMan);
    EXPECT_EQ(g.s->Command, Command::Stop);
    EXPECT_EQ(g.s->Lives, 2);
    EXPECT_EQ(g.man(), std::make_pair(0, 20));
    EXPECT_EQ(g.devil(0), std::make_pair(180, 20));  // the devils stood still
    EXPECT_EQ(g.host.sounds, std::vector<std::string>{"OutOfScreen"});
    EXPECT_EQ(g.host.count("drawScene"), 0);
}

TEST(Death, TheLastDeathAsksOnlyForGameOverAndLeavesTheManThere) {
    Game g(makeLevel({"", "S..M.~...$", "%%%%%%%%%%"}));
    g.s->Lives = 0;
    g.ticks(Command::Right, 11);
    EXPECT_EQ(g.host.sounds, std::vector<std::string>{"GameOver"});
    EXPECT_EQ(g.s->GameResult, GameResult::ManKilled);
    EXPECT_EQ(g.s->Command, Command::Exit);
    EXPECT_EQ(g.man(), std::make_pair(100, 20));
    EXPECT_EQ(g.s->Lives, 0);
    EXPECT_TRUE(g.host.livesShown.empty());

    Game h(makeLevel({"", "S..M.....$", "%%%%%%%%%%"}));
    h.s->Lives = 0;
    h.tick(Command::UserKillsMan);
    EXPECT_EQ(h.host.sounds, std::vector<std::string>{"GameOver"});
    EXPECT_EQ(h.s->GameResult, GameResult::ManKilled);
}

TEST(Death, FourDeathsEndTheGame) {
    Game g(makeLevel({"", "S..M.....$", "%%%%%%%%%%"}));
    for (int i = 0; i < 3; ++i) g.tick(Command::UserKillsMan);
    EXPECT_EQ(g.s->Lives, 0);
    EXPECT_EQ(g.s->GameResult, GameResult::Normal);
    g.tick(Command::UserKillsMan);
    EXPECT_EQ(g.s->GameResult, GameResult::ManKilled);
    EXPECT_EQ(g.host.sounds,
              (std::vector<std::string>{"OutOfScreen", "OutOfScreen", "OutOfScreen", "GameOver"}));
}

TEST(Pause, NeitherDevilsNorTheManMove) {
    Game g(makeLevel({"", "S..M.....D.$", "%%%%%%%%%%%%%"}));
    g.ticks(Command::Pause, 5);
    EXPECT_EQ(g.devil(0), std::make_pair(180, 20));
    EXPECT_EQ(g.man(), std::make_pair(60, 20));
    EXPECT_EQ(g.host.count("drawScene"), 0);
    g.tick(Command::Stop);
    EXPECT_EQ(g.devil(0), std::make_pair(178, 20));
}
