#pragma once
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "GameLevel.h"
#include "GameState.h"
#include "MapSketch.h"
#include "RecordingHost.h"
#include "Rules.h"
#include "TempDir.h"

namespace tamb::test {

// A level sketched in the map alphabet (MapSketch.h): rows and columns left
// out are Empty; without 'S' the man's door is the man's cell, without 'T'
// the devils' door is (30, 0), without 'X' the exit door is (31, 0).
inline GameLevel makeLevel(const std::vector<std::string>& rows) { return levelmake::sketchLevel(rows); }
using levelmake::levelFileLines;

// A set-up level driven tick by tick on the rules alone.
struct Game {
    explicit Game(const GameLevel& level) : s(std::make_unique<GameState>()) { SetUpLevelState(*s, level); }
    explicit Game(const std::vector<std::string>& rows) : Game(makeLevel(rows)) {}

    // One pass of the game thread's loop with the given command.
    void tick(Command c) {
        s->Command = c;
        RunTick(*s, host);
    }
    void ticks(Command c, int n) {
        for (int i = 0; i < n; ++i) tick(c);
    }
    std::pair<int, int> man() const { return {s->ManX, s->ManY}; }
    std::pair<int, int> devil(int k) const { return {s->ShetsX[k], s->ShetsY[k]}; }

    std::unique_ptr<GameState> s;
    RecordingHost host;
};

}  // namespace tamb::test
