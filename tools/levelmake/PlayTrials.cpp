#include "PlayTrials.h"

#include <cstdlib>

#include "CellTests.h"
#include "ClockedGame.h"

namespace tamb::levelmake {

namespace {

constexpr Command kArrows[] = {Command::Left, Command::Right, Command::Up, Command::Down};

bool deadly(int32_t code) { return code == Water || code == Kol || code == DownWater; }

// The hazard mechanic of the cells a body at (x, y) touches or is next to.
MechanicSet hazardsAround(const GameState& s, int x, int y) {
    const Around a(y, x);
    MechanicSet set = 0;
    for (int dr = -1; dr <= 1 + (a.dy > 0); ++dr)
        for (int dc = -1; dc <= 1 + (a.dx > 0); ++dc) {
            Mechanic m{};
            const int32_t code = s.cell(a.row + dr, a.col + dc);
            if (deadly(code) && mechanicOfCode(code, m)) set |= bit(m);
        }
    return set;
}

}  // namespace

int64_t standStillDeathSlot(const GameLevel& level, int levelNumber, int64_t maxSlots) {
    ClockedGame game(level, levelNumber);
    while (game.slot() < maxSlots && !game.ended()) {
        game.step(Command::Stop);
        if (game.manDied()) return game.slot();
    }
    return -1;
}

std::string holdingWin(const GameLevel& level, int levelNumber, const HoldLimits& limits) {
    // One arrow alone first, so that a plain hold is named as such.
    std::vector<std::vector<ClockedGame>> switches;
    for (Command first : kArrows) {
        ClockedGame game(level, levelNumber);
        switches.emplace_back();
        int lastX = -1, lastY = -1;
        while (game.slot() < limits.firstSlots && !game.ended()) {
            game.step(first);
            const GameState& s = game.state();
            const int x = s.ManX, y = s.ManY;
            const bool onCell = x % kCellSize == 0 && y % kCellSize == 0 && !s.ManFalling;
            if (onCell && (x != lastX || y != lastY) &&
                static_cast<int>(switches.back().size()) < limits.switchPoints) {
                switches.back().push_back(game);
                lastX = x;
                lastY = y;
            }
        }
        if (game.passed()) return std::string(commandName(first));
    }
    for (std::size_t f = 0; f < switches.size(); ++f) {
        const Command first = kArrows[f];
        for (const ClockedGame& at : switches[f]) {
            for (Command second : kArrows) {
                if (second == first) continue;
                ClockedGame branch = at;
                const int64_t end = branch.slot() + limits.secondSlots;
                while (branch.slot() < end && !branch.ended()) branch.step(second);
                if (branch.passed())
                    return std::string(commandName(first)) + " then " + std::string(commandName(second)) +
                           " from slot " + std::to_string(at.slot() + 1);
            }
        }
    }
    return {};
}

RoutePlay playRoute(const GameLevel& level, int levelNumber, const std::vector<ScriptEntry>& script) {
    ClockedGame game(level, levelNumber);
    RoutePlay play;
    std::size_t next = 0;
    Command command = Command::Stop;
    // A route ends soon after its last command; a failing one is not
    // played on for an hour of slots.
    constexpr int64_t kAfterLastCommand = 6000;
    const int64_t cap = (script.empty() ? 0 : script.back().slot) + kAfterLastCommand;
    std::vector<int> lastX, lastY;
    while (!game.ended() && game.slot() < cap) {
        const GameState& s = game.state();
        lastX.assign(s.ShetsX.begin(), s.ShetsX.begin() + s.ShetsCount);
        lastY.assign(s.ShetsY.begin(), s.ShetsY.begin() + s.ShetsCount);
        int holes = 0;
        for (int i = 0; i < kRows * kCols; ++i) holes += s.CellStates[i] >= 1 && s.CellStates[i] <= 18;

        while (next < script.size() && script[next].slot <= game.slot() + 1) command = script[next++].command;
        game.step(command);

        const int x = s.ManX, y = s.ManY;
        const Around a(y, x);
        const int32_t cur = s.cell(a.row, a.col);
        const int32_t right = a.dx > 0 ? s.cell(a.row, a.col + 1) : Empty;
        if (cur == Stairs || right == Stairs) play.used |= bit(Mechanic::Stairs);
        if (OnRope(s, y, x)) play.used |= bit(Mechanic::Rope);
        if (cur == FalseKirp || right == FalseKirp) play.used |= bit(Mechanic::FalseBrick);
        if (InGum(s, y, x)) play.used |= bit(Mechanic::Gum);
        int holesNow = 0;
        for (int i = 0; i < kRows * kCols; ++i) holesNow += s.CellStates[i] >= 1 && s.CellStates[i] <= 18;
        if (holesNow > holes) play.used |= bit(Mechanic::Burn);
        play.used |= hazardsAround(s, x, y);
        // A devil that jumped more than a step died where it stood before.
        for (int k = 0; k < static_cast<int>(lastX.size()); ++k)
            if (std::abs(s.ShetsX[k] - lastX[k]) > 2 || std::abs(s.ShetsY[k] - lastY[k]) > 2)
                play.used |= hazardsAround(s, lastX[k], lastY[k]) & (bit(Mechanic::Water) | bit(Mechanic::Stakes));
    }
    play.passed = game.passed();
    play.slots = game.slot();
    return play;
}

}  // namespace tamb::levelmake
