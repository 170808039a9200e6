#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "GameLevel.h"
#include "HeadlessRun.h"
#include "MapMeasures.h"

namespace tamb::levelmake {

// Headless plays of a level at speed 100 that measure how it plays.

// The slot in which a man who never moves first loses a life, or -1 when
// he lives through `maxSlots`.
int64_t standStillDeathSlot(const GameLevel& level, int levelNumber, int64_t maxSlots);

// Whether the level is passed by holding one arrow from the start, or one
// arrow and then another (switched at any cell the first one brought the
// man to). Returns how ("right", "right then left at slot 40"), or "" when
// no such play passes it.
struct HoldLimits {
    int64_t firstSlots = 3000;   // how long the first arrow is held at most
    int64_t secondSlots = 2000;  // how long the second one is held
    int switchPoints = 60;       // cells along the first hold to switch at
};
std::string holdingWin(const GameLevel& level, int levelNumber, const HoldLimits& limits = {});

// A route played through: whether it passes, the slot it ends in and the
// mechanics the man used on the way (climbed, hung on a rope, burnt, went
// through a false brick, waded through gum, passed next to water or stakes,
// or saw a devil die in them).
struct RoutePlay {
    bool passed = false;
    int64_t slots = 0;
    MechanicSet used = 0;
};
RoutePlay playRoute(const GameLevel& level, int levelNumber, const std::vector<ScriptEntry>& script);

}  // namespace tamb::levelmake
