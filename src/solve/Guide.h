#pragma once
#include <cstdint>
#include <vector>

#include "GameLevel.h"
#include "StatePacker.h"

namespace tamb::solve {

// The search's sense of direction: for every treasure and for the exit door
// the number of cells from each cell, on a map that knows ladders are the
// only way up and ignores devils and timing. Never a proof, only an order in
// which to try things. Two such maps: the one that steers also knows a man
// cannot walk on air (he falls), so a ledge seen across a gap does not draw
// the search to the gap; the one that rules states out ignores falling, as
// a man may yet cross on a devil's head.
class Guide {
public:
    Guide(const GameLevel& level, const StatePacker& packer);

    // Estimated slots still to play from a packed state.
    int estimate(const int32_t* words) const;
    // Some treasure left or the door is out of the man's reach for good,
    // short of dying (ladders are the only way up).
    bool hopeless(const int32_t* words) const;

    static constexpr int kSlotsPerCell = 5;  // the man walks 4 of 20 pixels a slot
    static constexpr int kFar = 1000;        // cells, for what the map cannot reach

private:
    std::vector<int> distancesTo(int target, bool walkOnAir) const;
    bool standsAt(int row, int col) const;
    static int distance(const std::vector<int>& to, const int32_t* words);

    const StatePacker& packer_;
    std::vector<int32_t> cells_;
    std::vector<int> kladCells_;
    std::vector<std::vector<int>> toKlad_;  // ignoring falls
    std::vector<int> toDoor_;
    std::vector<std::vector<int>> steerToKlad_;  // knowing falls
    std::vector<int> steerToDoor_;
};

}  // namespace tamb::solve
