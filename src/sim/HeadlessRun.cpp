#include "HeadlessRun.h"

#include <memory>

#include "Rules.h"
#include "SlotClock.h"

namespace tamb {

std::string_view runEndName(RunEnd e) {
    switch (e) {
        case RunEnd::LevelPassed: return "LevelPassed";
        case RunEnd::ManKilled: return "ManKilled";
        case RunEnd::Slots: return "slots";
        case RunEnd::Exit: return "exit";
    }
    return "slots";
}

RunSummary runHeadless(GameState& s, GameHost& host, const std::vector<ScriptEntry>& script,
                       const RunOptions& options, const TraceSink& trace) {
    SlotClock clock(options.speed);
    s.GameDelay = clock.gameDelay();
    size_t next = 0;

    RunSummary summary;
    summary.end = RunEnd::Slots;
    summary.slot = 0;
    for (int64_t n = 1; n <= options.maxSlots; ++n) {
        clock.runTimers(s, host);
        while (next < script.size() && script[next].slot <= n) s.Command = script[next++].command;

        const Command command = s.Command;
        if (!clock.runSlot(s, host)) {
            summary.end = RunEnd::Exit;
            break;
        }
        summary.slot = n;
        if (trace) trace(s, n, command);
        const GameResult result = s.GameResult;
        if (result != GameResult::Normal) {
            summary.end = result == GameResult::LevelPassed ? RunEnd::LevelPassed : RunEnd::ManKilled;
            break;
        }
    }
    summary.lives = s.Lives;
    summary.klads = s.KladsLeft;
    summary.level = s.LevelNumber;
    return summary;
}

RunSummary runLevel(const GameLevel& level, int levelNumber, const std::vector<ScriptEntry>& script,
                    const RunOptions& options, GameHost& host, const TraceSink& trace) {
    auto s = std::make_unique<GameState>();
    s->LevelNumber = levelNumber;
    SetUpLevelState(*s, level);
    return runHeadless(*s, host, script, options, trace);
}

}  // namespace tamb
