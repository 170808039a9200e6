#pragma once
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "GameHost.h"
#include "GameLevel.h"
#include "GameState.h"

namespace tamb {

// A game played without a screen on a virtual clock: game slot n runs at
// n x TickPeriodMs, the brick timer at every multiple of its interval and
// the animation timer every 100 ms; at equal times the brick timer runs
// first, then the animation timer, then the script's commands for the
// slot, then the slot itself (one pass of the game thread's loop).

struct ScriptEntry {
    int64_t slot = 0;  // from 1
    Command command = Command::Stop;
};

enum class RunEnd : uint8_t {
    LevelPassed,  // GameResult became "LevelPassed"
    ManKilled,    // GameResult became "ManKilled"
    Slots,        // the slot cap was reached
    Exit,         // "exit" was given: the thread ended without a result
};
std::string_view runEndName(RunEnd e);

struct RunOptions {
    int speed = 100;  // 0..100
    int64_t maxSlots = 100000;
};

struct RunSummary {
    RunEnd end = RunEnd::Slots;
    int64_t slot = 0;  // the last slot that ran
    int lives = 0;
    int klads = 0;
    int level = 0;
};

// Called after every slot that ran, with the command the slot ran with.
using TraceSink = std::function<void(const GameState&, int64_t slot, Command command)>;

// Runs an already set-up state (GameDelay is set from the speed).
RunSummary runHeadless(GameState& s, GameHost& host, const std::vector<ScriptEntry>& script,
                       const RunOptions& options, const TraceSink& trace = {});

// Sets up the level (with its level number) and runs it.
RunSummary runLevel(const GameLevel& level, int levelNumber, const std::vector<ScriptEntry>& script,
                    const RunOptions& options, GameHost& host, const TraceSink& trace = {});

}  // namespace tamb
