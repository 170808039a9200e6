// The headless runner: scripts, the virtual clock and the trace.
#include <gtest/gtest.h>

#include "HeadlessRun.h"
#include "LineSplit.h"
#include "Script.h"
#include "SimTestSupport.h"
#include "SlotClock.h"
#include "Trace.h"

using namespace tamb;
using namespace tamb::test;

namespace {

struct Traced {
    RunSummary summary;
    std::vector<std::string> lines;
};

Traced run(const GameLevel& level, const std::vector<std::string>& script, int speed = 100, int64_t slots = 2000,
           int levelNumber = 1) {
    Traced t;
    NullGameHost host;
    RunOptions options;
    options.speed = speed;
    options.maxSlots = slots;
    t.summary = runLevel(level, levelNumber, parseScript(script), options, host,
                         [&t](const GameState& s, int64_t slot, Command c) { t.lines.push_back(traceLine(s, slot, c)); });
    return t;
}

// The last slot whose trace still shows a hole at (row, col).
int64_t lastSlotWithHole(const Traced& t, int row, int col) {
    const std::string needle = "[" + std::to_string(row) + "," + std::to_string(col) + ",";
    int64_t last = 0;
    for (size_t i = 0; i < t.lines.size(); ++i) {
        if (t.lines[i].find(needle, t.lines[i].find("\"holes\"")) != std::string::npos) last = static_cast<int64_t>(i) + 1;
    }
    return last;
}

const std::vector<std::string> kBrickFloor = {"", "..M......$", "##########", "%%%%%%%%%%"};
// Face left in place and burn (2, 1) in slot 3.
const std::vector<std::string> kBurnScript = {"1 right", "2 left", "3 fire", "4 stop"};

}  // namespace

TEST(SplitLines, AcceptsEveryLineEndAndAnUnendedLastLine) {
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(splitLines("a\n\rb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(splitLines("").empty());
}

TEST(Script, SkipsCommentsAndBlanksAndOrdersBySlot) {
    const auto script = parseScript({"# route", "", "  ", "10 left", "3\tright", "10 fire", "7 UserKillsMan"});
    ASSERT_EQ(script.size(), 4u);
    EXPECT_EQ(script[0].slot, 3);
    EXPECT_EQ(script[1].slot, 7);
    EXPECT_EQ(script[1].command, Command::UserKillsMan);
    EXPECT_EQ(script[2].command, Command::Left);
    EXPECT_EQ(script[3].command, Command::Fire);  // same slot: file order
}

TEST(Script, ABadLineIsReportedWithItsNumber) {
    const std::vector<std::vector<std::string>> bad = {
        {"1 left", "# ok", "2 jump"}, {"1 left", "", "x left"}, {"1 left", "2", "0 left"},
        {"1 left", "2 up", "3 up now"}, {"1 left", "2 up", "-3 up"}, {"1 left", "2 up", "3 Left"},
    };
    const int lines[] = {3, 3, 2, 3, 3, 3};
    for (size_t i = 0; i < bad.size(); ++i) {
        try {
            parseScript(bad[i]);
            ADD_FAILURE() << "case " << i << " accepted";
        } catch (const ScriptError& e) {
            EXPECT_EQ(e.line(), lines[i]) << "case " << i;
            EXPECT_NE(std::string(e.what()).find("line " + std::to_string(lines[i])), std::string::npos);
        }
    }
}

TEST(HeadlessClock, AHoleLastsEighteenBrickTicksAtFullSpeed) {
    const auto t = run(makeLevel(kBrickFloor), kBurnScript);
    // Burnt in slot 3; the brick timer ticks every 10 slots; the 18th tick
    // (at 5400 ms, before slot 180) closes it.
    EXPECT_EQ(lastSlotWithHole(t, 2, 1), 179);
    EXPECT_NE(t.lines[2].find("\"holes\":[[2,1,1]]"), std::string::npos);
    EXPECT_NE(t.lines[9].find("\"holes\":[[2,1,2]]"), std::string::npos);
}

TEST(HeadlessClock, PauseHoldsTheRegrowth) {
    auto script = kBurnScript;
    script.push_back("50 pause");
    script.push_back("100 stop");
    const auto t = run(makeLevel(kBrickFloor), script);
    // The brick ticks before slots 60, 70, 80, 90 and 100 see the pause.
    EXPECT_EQ(lastSlotWithHole(t, 2, 1), 179 + 50);
}

TEST(HeadlessClock, AtSpeedZeroAHoleLastsAboutNinetyFiveSeconds) {
    const auto t = run(makeLevel(kBrickFloor), kBurnScript, 0, 1300);
    // 80 ms slots, 5300 ms brick ticks: closed at 95400 ms.
    EXPECT_EQ(lastSlotWithHole(t, 2, 1), 1192);
}

TEST(HeadlessRun, ExitAtTheStartRunsNoTick) {
    const auto t = run(makeLevel({"", ".M...D.$", "%%%%%%%%%"}), {"1 exit"});
    EXPECT_EQ(t.summary.end, RunEnd::Exit);
    EXPECT_EQ(t.summary.slot, 0);
    EXPECT_TRUE(t.lines.empty());
    EXPECT_EQ(endLine(t.summary), R"({"end":"exit","slot":0,"lives":3,"klads":1,"level":1})");
}

TEST(HeadlessRun, PauseRunsNoTick) {
    const auto t = run(makeLevel({"", ".M...D.$", "%%%%%%%%%"}), {"1 pause"}, 100, 50);
    EXPECT_EQ(t.summary.end, RunEnd::Slots);
    EXPECT_EQ(t.summary.slot, 50);
    ASSERT_EQ(t.lines.size(), 50u);
    EXPECT_EQ(t.lines.back(), R"({"slot":50,"command":"pause","man":[20,20],"falling":false,"lives":3,"klads":1,)"
                              R"("result":"normal","devils":[[100,20]],"holes":[]})");
}

TEST(HeadlessRun, ALevelWithoutTreasureIsPassedAtOnceOnTheDoor) {
    const auto t = run(makeLevel({"", ".M.X", "%%%%%"}), {"1 right"}, 100, 100, 7);
    EXPECT_EQ(t.summary.end, RunEnd::LevelPassed);
    EXPECT_EQ(t.summary.slot, 11);
    EXPECT_EQ(t.summary.level, 8);
    // Without a door under him nothing happens.
    Traced u = run(makeLevel({"", ".M", "%%%"}), {}, 100, 10, 7);
    EXPECT_EQ(u.summary.end, RunEnd::Slots);
    GameLevel onDoor = makeLevel({"", ".M", "%%%"});
    onDoor.outDoor = onDoor.man;
    const auto v = run(onDoor, {}, 100, 10, 7);
    EXPECT_EQ(v.summary.end, RunEnd::LevelPassed);
    EXPECT_EQ(v.summary.slot, 1);
    EXPECT_EQ(endLine(v.summary), R"({"end":"LevelPassed","slot":1,"lives":3,"klads":0,"level":8})");
}

TEST(HeadlessRun, TheRunEndsInTheSlotOfTheLastDeath) {
    const auto t = run(makeLevel({"", ".M..$", "%%%%%%"}), {"5 UserKillsMan", "6 UserKillsMan", "7 UserKillsMan",
                                                           "8 UserKillsMan", "9 right"});
    EXPECT_EQ(t.summary.end, RunEnd::ManKilled);
    EXPECT_EQ(t.summary.slot, 8);
    EXPECT_EQ(t.summary.lives, 0);
    EXPECT_EQ(t.lines.size(), 8u);
    EXPECT_NE(t.lines.back().find(R"("command":"UserKillsMan")"), std::string::npos);
    EXPECT_NE(t.lines.back().find(R"("result":"ManKilled")"), std::string::npos);
}

TEST(HeadlessRun, SameInputsSameTrace) {
    const GameLevel level = makeLevel({"", "..M....D....D..$", "###############", "%%%%%%%%%%%%%%%"});
    const auto a = run(level, kBurnScript, 100, 600);
    const auto b = run(level, kBurnScript, 100, 600);
    EXPECT_EQ(a.lines, b.lines);
    EXPECT_EQ(endLine(a.summary), endLine(b.summary));
}

TEST(SlotClock, SetToASlotStandsAsIfSteppedThere) {
    for (const int speed : {100, 57, 0}) {
        Game game(kBrickFloor);
        SlotClock stepped(speed);
        for (int64_t n = 1; n <= 400; ++n) {
            stepped.runTimers(*game.s, game.host);
            ASSERT_TRUE(stepped.runSlot(*game.s, game.host));
            const SlotClock set(speed, n);
            ASSERT_EQ(set.slot(), n);
            ASSERT_EQ(set.kirpPhase(), stepped.kirpPhase()) << "speed " << speed << ", slot " << n;
        }
    }
}
