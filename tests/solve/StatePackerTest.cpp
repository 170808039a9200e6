// Packed states: what the finder keeps of a game must play on exactly as
// the game itself.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

#include "HeadlessRun.h"
#include "LevelCodec.h"
#include "LineSplit.h"
#include "Script.h"
#include "SlotClock.h"
#include "StatePacker.h"
#include "Trace.h"

using namespace tamb;
using namespace tamb::solve;

namespace {

std::vector<std::string> fileLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return splitLines(text.str());
}

// The command in force at every slot of a script.
std::vector<Command> perSlot(const std::vector<ScriptEntry>& script, int64_t slots) {
    std::vector<Command> out;
    Command c = Command::Stop;
    size_t next = 0;
    for (int64_t n = 1; n <= slots; ++n) {
        while (next < script.size() && script[next].slot <= n) c = script[next++].command;
        out.push_back(c);
    }
    return out;
}

void step(GameState& s, SlotClock& clock, Command c) {
    NullGameHost host;
    clock.runTimers(s, host);
    s.Command = c;
    clock.runSlot(s, host);
}

constexpr int kEvery = 37, kAhead = 60;

// Levels whose hand-made routes trap devils in burnt holes (and wade
// through gum).
class PackedState : public ::testing::TestWithParam<int> {};

TEST_P(PackedState, PlaysOnLikeTheGameItCameFrom) {
    const std::string dir = std::string(TAMB_LEVELS_DIR);
    const std::string name = "level" + std::to_string(GetParam());
    const GameLevel level = decodeGameLevel(fileLines(dir + "/" + name));
    const auto script = parseScript(fileLines(dir + "/routes/" + name + ".route"));
    const auto commands = perSlot(script, script.back().slot + kAhead);
    const StatePacker packer(level, GetParam(), 100);

    auto game = std::make_unique<GameState>(packer.start());
    SlotClock clock(100);
    int compared = 0;
    for (size_t n = 0; n + kAhead < commands.size(); ++n) {
        if (n % kEvery == 0) {
            std::vector<int32_t> words;
            packer.pack(*game, clock, words);
            ASSERT_EQ(words.size(), packer.size(words.data()));
            // Into a game with another past: the level's start.
            auto copy = std::make_unique<GameState>(packer.start());
            SlotClock copyClock;
            packer.unpack(words.data(), *copy, copyClock);
            EXPECT_EQ(packer.key(words.data(), true), [&] {
                std::vector<int32_t> again;
                packer.pack(*copy, copyClock, again);
                return packer.key(again.data(), true);
            }());
            auto ahead = std::make_unique<GameState>(*game);
            SlotClock aheadClock = clock;
            for (int k = 0; k < kAhead; ++k) {
                step(*ahead, aheadClock, commands[n + k]);
                step(*copy, copyClock, commands[n + k]);
                ASSERT_EQ(traceLine(*copy, copyClock.slot(), commands[n + k]),
                          traceLine(*ahead, aheadClock.slot(), commands[n + k]))
                    << "packed at slot " << n << ", " << k + 1 << " slots on";
            }
            ++compared;
        }
        step(*game, clock, commands[n]);
    }
    EXPECT_GT(compared, 10);
}

INSTANTIATE_TEST_SUITE_P(Campaign, PackedState, ::testing::Values(11, 16, 19));

TEST(PackedStateKey, TellsApartWhatTheRulesReadAndOnlyThat) {
    const GameLevel level = decodeGameLevel(fileLines(std::string(TAMB_LEVELS_DIR) + "/level11"));
    const StatePacker packer(level, 11, 100);
    auto s = std::make_unique<GameState>(packer.start());
    auto keyOf = [&](const GameState& g, int64_t slot, bool exact) {
        std::vector<int32_t> w;
        packer.pack(g, SlotClock(100, slot), w);
        return packer.key(w.data(), exact);
    };
    const StateKey base = keyOf(*s, 0, false);
    // Picture-only fields and the clock without holes do not count...
    s->ManFrame = 7;
    s->ShetsDirection[0] = Direction::Left;
    EXPECT_EQ(keyOf(*s, 3, false), base);
    // ...but in an exact key the brick timer's phase does.
    EXPECT_NE(keyOf(*s, 3, true), keyOf(*s, 0, true));
    EXPECT_EQ(keyOf(*s, 10, true), keyOf(*s, 0, true));
    // The man's facing decides a burn; a devil's pixel a catch.
    s->ManFacing = Facing::Left;
    EXPECT_NE(keyOf(*s, 0, false), base);
    s->ManFacing = Facing::None;
    s->ShetsX[1] = s->ShetsX[1] + 2;
    EXPECT_NE(keyOf(*s, 0, false), base);
}

}  // namespace
