#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "GameHost.h"
#include "GameLevel.h"
#include "GameState.h"
#include "Rules.h"

namespace tamb::test {

// A level drawn as text, row 0 first; missing rows and columns are Empty.
//   ' ' Empty  '$' Klad  'f' FalseKirp  'w' Water  'k' Kol  'g' Gum  'v' DownWater
//   'H' Stairs '-' Roupe '#' Kirp  'S' SuperKirp  'B' Balka  '|' BoundVert  '=' BoundHor
//   'M' man  'D' devil  'm' man's door  'd' devils' door  'X' exit door (all on Empty)
// Without 'm' the man's door is the man's cell; without 'd' the devils' door
// is (30, 0); without 'X' the exit door is (31, 0).
GameLevel makeLevel(const std::vector<std::string>& rows);

// The 27 lines of a level file.
std::vector<std::string> levelLines(const GameLevel& level);
// Writes text as is (line ends included by the caller).
void writeText(const std::string& path, const std::string& text);
std::string joinLines(const std::vector<std::string>& lines, std::string_view end = "\r\n");

// A folder of its own for one test, removed at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string path(const std::string& name) const { return dir_ + "/" + name; }

private:
    std::string dir_;
};

// Records everything the rules ask of the host.
class RecordingHost : public GameHost {
public:
    void drawScene(const GameState&) override { ++drawScenes; }
    void restoreAround(const GameState& s) override { restores.emplace_back(s.RedrawX, s.RedrawY); }
    void takeKlad(const GameState& s, int row, int col) override {
        takenKlads.emplace_back(row, col);
        kladsAtTake.push_back(s.KladsLeft);
    }
    void burnBrick(const GameState&, int row, int col) override { burnt.emplace_back(row, col); }
    void livesLabelUpdate(const GameState& s) override { livesShown.push_back(s.Lives); }
    void threadPlaysound(std::string_view event) override { sounds.emplace_back(event); }
    void drawRegrowthFrame(const GameState&, int row, int col, int v) override {
        regrowth.push_back({row, col, v});
    }

    int drawScenes = 0;
    std::vector<std::pair<int, int>> restores;
    std::vector<std::pair<int, int>> takenKlads;
    std::vector<int> kladsAtTake;
    std::vector<std::pair<int, int>> burnt;
    std::vector<int> livesShown;
    std::vector<std::string> sounds;
    struct Frame {
        int row, col, v;
    };
    std::vector<Frame> regrowth;
};

// A set-up level driven tick by tick.
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
