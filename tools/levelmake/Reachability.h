#pragma once
#include <array>
#include <vector>

#include "GameLevel.h"

namespace tamb::levelmake {

// Where bodies can get to, cell by cell, by the moves the rules allow an
// aligned body: walk into a cell that is not solid, climb a ladder, let go
// of a rope, and fall straight down through open cells until a ladder, a
// rope or a floor holds the body. Devils also die in water, stakes and off
// the bottom of the arena and come back at their door. The man cannot enter
// a deadly cell, but he can burn a brick diagonally below him and drop into
// the hole; inside a hole he moves as if its cell were empty.
// What it leaves out: holes as traps, heads of trapped devils as bridges,
// timing, and the devils' choice of move.
using CellSet = std::array<bool, kRows * kCols>;

class Reachability {
public:
    explicit Reachability(const GameLevel& level);

    // The man's part of the arena: every cell he can reach from his start
    // or his door, holes included.
    const CellSet& manRegion() const { return manRegion_; }
    // Cells a devil starting at `from` can reach (its door included once it
    // can die).
    CellSet devilReach(CellPos from) const;
    // Whether a devil starting there can get into the man's part.
    bool devilMeetsMan(CellPos from) const;

    // Treasures outside the man's part.
    std::vector<CellPos> unreachedTreasures() const;
    bool exitReachable() const;
    // Cells the man can stand in, reached without burning, from which no
    // way leads to the exit door, burning included: places he can never
    // leave alive.
    std::vector<CellPos> deadEnds() const;

private:
    enum class Body { Man, Devil };
    std::vector<int> moves(Body body, int index) const;
    CellSet search(Body body, const std::vector<int>& starts, bool burning) const;

    GameLevel level_;
    CellSet manRegion_{};
};

}  // namespace tamb::levelmake
