#include "Reachability.h"

#include <deque>

namespace tamb::levelmake {

namespace {

constexpr int kDoorNode = kRows * kCols;  // a devil that died: back at its door
constexpr int kBurnFlag = 1 << 20;        // marks a move that drops into a fresh hole

int indexOf(int row, int col) { return row * kCols + col; }
int indexOf(CellPos p) { return indexOf(p.row, p.col); }

bool deadly(int32_t code) { return code == Water || code == Kol || code == DownWater; }

}  // namespace

Reachability::Reachability(const GameLevel& level) : level_(level) {
    manRegion_ = search(Body::Man, {indexOf(level.man), indexOf(level.manDoor)}, true);
}

// The moves out of one cell. A man's move into a burnt hole carries
// kBurnFlag; kDoorNode stands for a devil's death.
std::vector<int> Reachability::moves(Body body, int index) const {
    const int row = index / kCols;
    const int col = index % kCols;
    // Rows below the arena read as Empty, as in the game.
    auto code = [&](int r, int c) -> int32_t {
        if (r >= kRows) return Empty;
        if (r < 0) return BoundHor;
        if (c < 0 || c >= kCols) return BoundVert;
        return level_.cells[indexOf(r, c)];
    };
    std::vector<int> out;
    auto enter = [&](int r, int c) {
        if (r >= kRows) {  // out of the bottom of the arena
            if (body == Body::Devil) out.push_back(kDoorNode);
            return;
        }
        if (deadly(code(r, c))) {
            if (body == Body::Devil) out.push_back(kDoorNode);
            return;
        }
        out.push_back(indexOf(r, c));
    };

    int32_t cur = code(row, col);
    if (cur == Kirp) cur = Empty;  // only a man in a hole he burnt stands in a brick cell
    const int32_t below = code(row + 1, col);
    if (cur != Stairs && cur != Roupe && isOpen(below)) {
        enter(row + 1, col);
        return out;
    }
    if (!isSolid(code(row, col - 1))) enter(row, col - 1);
    if (!isSolid(code(row, col + 1))) enter(row, col + 1);
    if (cur == Stairs && !isSolid(code(row - 1, col))) enter(row - 1, col);
    if (below == Stairs || (cur == Stairs && isPassable(below))) enter(row + 1, col);
    if (cur == Roupe && isOpen(below)) enter(row + 1, col);
    if (body == Body::Man && cur != Roupe) {
        for (int side : {-1, 1}) {
            if (!isSolid(code(row, col + side)) && code(row + 1, col + side) == Kirp)
                out.push_back(indexOf(row + 1, col + side) | kBurnFlag);
        }
    }
    return out;
}

CellSet Reachability::search(Body body, const std::vector<int>& starts, bool burning) const {
    CellSet seen{};
    std::deque<int> queue;
    bool atDoor = false;
    auto visit = [&](int node) {
        if (node == kDoorNode) {
            if (atDoor) return;
            atDoor = true;
            node = indexOf(level_.shetsDoor);
        }
        if (seen[node]) return;
        seen[node] = true;
        queue.push_back(node);
    };
    for (int s : starts) visit(s);
    while (!queue.empty()) {
        const int node = queue.front();
        queue.pop_front();
        for (int next : moves(body, node)) {
            if (next & kBurnFlag) {
                if (!burning) continue;
                next &= ~kBurnFlag;
            }
            visit(next);
        }
    }
    return seen;
}

CellSet Reachability::devilReach(CellPos from) const { return search(Body::Devil, {indexOf(from)}, false); }

bool Reachability::devilMeetsMan(CellPos from) const {
    const CellSet reach = devilReach(from);
    for (int i = 0; i < kRows * kCols; ++i)
        if (reach[i] && manRegion_[i]) return true;
    return false;
}

std::vector<CellPos> Reachability::unreachedTreasures() const {
    std::vector<CellPos> out;
    for (int i = 0; i < kRows * kCols; ++i)
        if (level_.cells[i] == Klad && !manRegion_[i]) out.push_back({i % kCols, i / kCols});
    return out;
}

bool Reachability::exitReachable() const { return manRegion_[indexOf(level_.outDoor)]; }

std::vector<CellPos> Reachability::deadEnds() const {
    // Which cells lead to the exit: search backwards over every move.
    std::vector<std::vector<int>> into(kRows * kCols);
    for (int i = 0; i < kRows * kCols; ++i) {
        if (!manRegion_[i]) continue;
        for (int next : moves(Body::Man, i)) into[next & ~kBurnFlag].push_back(i);
    }
    CellSet leads{};
    std::deque<int> queue{indexOf(level_.outDoor)};
    leads[queue.front()] = true;
    while (!queue.empty()) {
        const int node = queue.front();
        queue.pop_front();
        for (int prev : into[node])
            if (!leads[prev]) {
                leads[prev] = true;
                queue.push_back(prev);
            }
    }
    // Only cells he can stand in: a fall onto stakes is a plain death, not
    // a trap.
    const CellSet walked = search(Body::Man, {indexOf(level_.man), indexOf(level_.manDoor)}, false);
    std::vector<CellPos> out;
    for (int i = 0; i < kRows * kCols; ++i) {
        if (!walked[i] || leads[i]) continue;
        const int row = i / kCols, col = i % kCols;
        const int32_t cur = level_.cells[i];
        const int32_t below = row + 1 < kRows ? level_.cells[indexOf(row + 1, col)] : Empty;
        if (cur == Stairs || cur == Roupe || !isOpen(below)) out.push_back({col, row});
    }
    return out;
}

}  // namespace tamb::levelmake
