#pragma once
#include <string>
#include <vector>

#include "GameLevel.h"

namespace tamb::levelmake {

// Plays a readable macro route through the real rules and writes the exact
// "SLOT COMMAND" script that replays it. Macro lines ('#' comments, blank
// lines skipped):
//
//   right to 12          hold "right" until the man stands at column 12
//   down to 7            hold "down" until he is at row 7 (left/up alike)
//   left until x<=100    hold "left" until the condition holds
//   right 5              hold "right" for 5 slots
//   fire                 one slot of "fire"; a brick must burn
//   wait 20              "stop" for 20 slots
//   wait until d1col=5   "stop" until the condition holds
//   fall                 "stop" until the man is no longer falling
//   expect klads=0       fail unless the condition holds now
//
// Conditions: terms joined by "and", each NAME OP NUMBER with OP one of
// = != < > <= >=. Names: x y (man's pixels), col row (man's cell, true only
// when aligned), falling, klads, lives, slot, dKx dKy dKcol dKrow for
// devil K (from 1), hole (the number of open holes).
// A death of the man fails the route; after the last line the builder
// waits up to 60 slots for the level to be passed.

struct RouteResult {
    bool passed = false;
    std::vector<std::string> script;  // the generated lines
    std::string summary;              // the end, or why the route failed
};

RouteResult buildRoute(const GameLevel& level, int levelNumber, const std::vector<std::string>& macro,
                       const std::string& macroName = "route");

// Reads the level file and the macro, writes OUT (even when the route
// fails, so the trace of the failure can be replayed).
RouteResult buildRouteFile(const std::string& levelFile, const std::string& macroFile, const std::string& outFile);

}  // namespace tamb::levelmake
