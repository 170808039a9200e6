#include "Guide.h"

#include <algorithm>
#include <deque>

namespace tamb::solve {

namespace {

bool deadly(int32_t c) { return c == Water || c == Kol || c == DownWater; }

}  // namespace

Guide::Guide(const GameLevel& level, const StatePacker& packer) : packer_(packer) {
    cells_.assign(level.cells.begin(), level.cells.end());
    for (int i = 0; i < kRows * kCols; ++i) {
        if (cells_[i] != Klad) continue;
        kladCells_.push_back(i);
        toKlad_.push_back(distancesTo(i, true));
        steerToKlad_.push_back(distancesTo(i, false));
    }
    const int door = level.outDoor.row * kCols + level.outDoor.col;
    toDoor_ = distancesTo(door, true);
    steerToDoor_ = distancesTo(door, false);
}

// A man there stays unless he moves: on a ladder or a rope, or over
// something that holds him.
bool Guide::standsAt(int row, int col) const {
    const int32_t here = cells_[row * kCols + col];
    if (here == Stairs || here == Roupe) return true;
    return row + 1 >= kRows || !isOpen(cells_[(row + 1) * kCols + col]);
}

// Backwards from the target: which cells reach it in how many moves. A man
// moves sideways or down into any passable cell or brick (it may be a hole
// by then), and up only out of a ladder. Every real move is one of these,
// so a target this map cannot reach is out of reach.
std::vector<int> Guide::distancesTo(int target, bool walkOnAir) const {
    auto code = [this](int r, int c) -> int32_t {
        if (r < 0) return BoundHor;
        if (r >= kRows) return Empty;
        if (c < 0 || c >= kCols) return BoundVert;
        return cells_[r * kCols + c];
    };
    auto node = [&](int r, int c) {
        const int32_t v = code(r, c);
        return r >= 0 && r < kRows && c >= 0 && c < kCols && !deadly(v) && (isPassable(v) || v == Kirp);
    };
    std::vector<int> dist(kRows * kCols, kFar);
    std::deque<int> queue;
    dist[target] = 0;
    queue.push_back(target);
    while (!queue.empty()) {
        const int v = queue.front();
        queue.pop_front();
        const int r = v / kCols, c = v % kCols;
        auto reach = [&](int ur, int uc) {
            if (!node(ur, uc) || dist[ur * kCols + uc] <= dist[v] + 1) return;
            dist[ur * kCols + uc] = dist[v] + 1;
            queue.push_back(ur * kCols + uc);
        };
        // Sideways only from where he stands; from elsewhere he falls.
        if (walkOnAir || (c > 0 && standsAt(r, c - 1))) reach(r, c - 1);
        if (walkOnAir || (c + 1 < kCols && standsAt(r, c + 1))) reach(r, c + 1);
        if (code(r + 1, c) == Stairs) reach(r + 1, c);
        reach(r - 1, c);  // fell or dug down into v
    }
    return dist;
}

int Guide::distance(const std::vector<int>& to, const int32_t* w) {
    // The nearest of the cells the man's picture overlaps.
    const int x = StatePacker::manX(w), y = StatePacker::manY(w);
    const int row = y / kCellSize, col = x / kCellSize;
    const int rows = y % kCellSize ? 2 : 1, cols = x % kCellSize ? 2 : 1;
    int best = kFar;
    for (int r = row; r < row + rows && r < kRows; ++r)
        for (int c = col; c < col + cols && c < kCols; ++c) best = std::min(best, to[r * kCols + c]);
    return best;
}

int Guide::estimate(const int32_t* w) const {
    // The map that knows falls where it reaches; else the one that does not.
    auto steer = [w](const std::vector<int>& knowing, const std::vector<int>& ignoring) {
        const int d = distance(knowing, w);
        return d < kFar ? d : distance(ignoring, w);
    };
    const int left = StatePacker::kladsLeft(w);
    if (left == 0) return kSlotsPerCell * steer(steerToDoor_, toDoor_);
    int nearest = kFar;
    for (size_t k = 0; k < kladCells_.size(); ++k)
        if (!packer_.kladTaken(w, kladCells_[k])) nearest = std::min(nearest, steer(steerToKlad_[k], toKlad_[k]));
    // Every treasure left outweighs any walk, so taking one always counts.
    return kSlotsPerCell * (nearest + left * kFar);
}

bool Guide::hopeless(const int32_t* w) const {
    if (distance(toDoor_, w) >= kFar) return true;
    for (size_t k = 0; k < kladCells_.size(); ++k)
        if (!packer_.kladTaken(w, kladCells_[k]) && distance(toKlad_[k], w) >= kFar) return true;
    return false;
}

}  // namespace tamb::solve
