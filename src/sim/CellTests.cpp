#include "CellTests.h"

namespace tamb {

bool CanGoLeft(const GameState& s, int y, int x) {
    const Around a(y, x);
    bool r = true;
    if (isSolid(s.cell(a.row, a.col - 1)) && a.dx == 0) r = false;
    if (isSolid(s.cell(a.row + 1, a.col - 1)) && a.dx == 0 && a.dy > 0) r = false;
    if (s.cell(a.row, a.col) == Kirp) r = false;
    return r;
}

bool CanGoRight(const GameState& s, int y, int x) {
    const Around a(y, x);
    bool r = true;
    if (isSolid(s.cell(a.row, a.col + 1)) && a.dx == 0) r = false;
    if (isSolid(s.cell(a.row + 1, a.col + 1)) && a.dx == 0 && a.dy > 0) r = false;
    return r;
}

bool MustFall(const GameState& s, int y, int x, bool letGo) {
    const Around a(y, x);
    const int32_t cur = s.cell(a.row, a.col);
    const int32_t right = s.cell(a.row, a.col + 1);
    const int32_t below = s.cell(a.row + 1, a.col);
    const int32_t belowRight = s.cell(a.row + 1, a.col + 1);
    bool r = false;
    if (isOpen(below) && a.dx == 0 && cur != Roupe) r = true;
    if (a.dx > 0 && letGo && isOpen(belowRight) && (right != Roupe || a.dy > 0) && isOpen(below)) r = true;
    if (cur == Roupe && a.dy != 0 && isOpen(below)) r = true;
    if (isOpen(below) && isOpen(belowRight) && cur != Roupe && right != Roupe) r = true;
    // Stairs hold a body whatever the rest says.
    if (cur == Stairs || (right == Stairs && a.dx > 3)) r = false;
    return r;
}

bool IsDeadly(const GameState& s, int y, int x) {
    const Around a(y, x);
    const int32_t cur = s.cell(a.row, a.col);
    if (cur == Kirp && a.dx < 8 && a.dy == 0) return true;
    if (s.cell(a.row, a.col + 1) == Kirp && a.dx > 8 && a.dy == 0) return true;
    return cur == Water || cur == Kol || cur == DownWater;
}

bool ManCanGoDown(const GameState& s) {
    const Around a(s.ManY, s.ManX);
    if (a.dx < 9) {
        const int32_t below = s.cell(a.row + 1, a.col);
        if (below == Stairs || (s.cell(a.row, a.col) == Stairs && isPassable(below))) return true;
    }
    if (a.dx > 9) {
        const int32_t belowRight = s.cell(a.row + 1, a.col + 1);
        if (belowRight == Stairs || (s.cell(a.row, a.col + 1) == Stairs && isPassable(belowRight))) return true;
    }
    return false;
}

bool ManCanGoUp(const GameState& s) {
    const Around a(s.ManY, s.ManX);
    const int32_t cur = s.cell(a.row, a.col);
    const int32_t right = s.cell(a.row, a.col + 1);
    const int32_t below = s.cell(a.row + 1, a.col);
    const int32_t belowRight = s.cell(a.row + 1, a.col + 1);
    bool r = false;
    if ((cur == Stairs || below == Stairs) && a.dx < 9) r = true;
    if ((right == Stairs || belowRight == Stairs) && a.dx > 9) r = true;
    // Standing on top of a ladder: nothing to climb.
    if (cur != Stairs && a.dy == 0 && a.dx < 9 && below == Stairs) r = false;
    if (right != Stairs && a.dy == 0 && belowRight == Stairs && a.dx > 9) r = false;
    if (isSolid(s.cell(a.row - 1, a.col)) && a.dy == 0) r = false;
    if (right == Stairs && s.cell(a.row - 1, a.col + 1) == Stairs && a.dx > 9 && a.dy == 0) r = true;
    return r;
}

bool ManCanLetGo(const GameState& s) {
    const Around a(s.ManY, s.ManX);
    const int32_t cur = s.cell(a.row, a.col);
    const int32_t below = s.cell(a.row + 1, a.col);
    if (a.dx == 0 && isOpen(below) && cur == Roupe) return true;
    return s.cell(a.row, a.col + 1) == Roupe && a.dx > 2 && isOpen(s.cell(a.row + 1, a.col + 1)) && isOpen(below) &&
           cur != Stairs;
}

bool CanFire(const GameState& s) {
    if (s.Command != Command::Fire) return false;
    const Around a(s.ManY, s.ManX);
    if (s.cell(a.row, a.col) == Roupe) return false;
    return !(s.cell(a.row, a.col + 1) == Roupe && a.dx > 0);
}

bool InGum(const GameState& s, int y, int x) {
    const Around a(y, x);
    return (s.cell(a.row, a.col) == Gum && a.dx < 18) || (s.cell(a.row, a.col + 1) == Gum && a.dx > 2);
}

bool NoTrappedShetsBelow(const GameState& s) {
    const int manX = s.ManX;
    const int manY = s.ManY;
    const Around a(manY, manX);
    if (a.dy != 0 || !holeCarriesHead(s.cellState(a.row + 1, a.col))) return true;
    const int n = s.ShetsCount;
    for (int k = 0; k < n; ++k) {
        if (s.ShetsY[k] == manY + kCellSize && s.ShetsX[k] / kCellSize == manX / kCellSize) return false;
    }
    return true;
}

bool ShetsCanGoDown(const GameState& s, int y, int x) {
    const Around a(y, x);
    if (a.dx != 0) return false;
    const int32_t below = s.cell(a.row + 1, a.col);
    return below == Stairs || (s.cell(a.row, a.col) == Stairs && isPassable(below));
}

bool ShetsCanGoUp(const GameState& s, int y, int x) {
    const Around a(y, x);
    const int32_t cur = s.cell(a.row, a.col);
    const int32_t below = s.cell(a.row + 1, a.col);
    bool r = false;
    if ((cur == Stairs || below == Stairs) && a.dx == 0) r = true;
    if (cur == Empty && a.dy == 0 && a.dx == 0) r = false;
    if (cur != Stairs && a.dy == 0 && a.dx < 9 && below == Stairs) r = false;
    if (isSolid(s.cell(a.row - 1, a.col)) && a.dy == 0) r = false;
    return r;
}

bool NoShetsBelow(const GameState& s, int y, int x) {
    const int n = s.ShetsCount;
    for (int k = 0; k < n; ++k) {
        if (s.ShetsX[k] == x && s.ShetsY[k] == y + kCellSize) return false;
    }
    const Around a(y, x);
    if (a.dy == 0 && holeCarriesHead(s.cellState(a.row + 1, a.col))) {
        for (int k = 0; k < n; ++k) {
            if (s.ShetsY[k] == y + kCellSize && s.ShetsX[k] / kCellSize == a.col) return false;
        }
    }
    return true;
}

bool NoShetsAbove(const GameState& s, int y, int x) {
    const int n = s.ShetsCount;
    for (int k = 0; k < n; ++k) {
        if (s.ShetsX[k] == x && s.ShetsY[k] == y - kCellSize) return false;
    }
    return true;
}

namespace {

// The first slot found exactly at (X, Y) is the devil itself; a second one
// there means two devils share the spot, and then neither blocks the other
// so they can separate.
template <typename Overlaps>
bool NoShetsBeside(const GameState& s, int y, int x, Overlaps overlaps) {
    bool seen = false;
    bool r = true;
    const int n = s.ShetsCount;
    for (int k = 0; k < n; ++k) {
        const int sx = s.ShetsX[k];
        const int sy = s.ShetsY[k];
        if (sx == x && sy == y) {
            if (seen) return true;
            seen = true;
        } else if (sy == y && overlaps(sx)) {
            r = false;
        }
    }
    return r;
}

}  // namespace

bool NoShetsLeft(const GameState& s, int y, int x) {
    return NoShetsBeside(s, y, x, [x](int sx) { return sx < x && x < sx + kCellSize; });
}

bool NoShetsRight(const GameState& s, int y, int x) {
    return NoShetsBeside(s, y, x, [x](int sx) { return sx - kCellSize < x && x < sx; });
}

bool OnRope(const GameState& s, int y, int x) {
    const Around a(y, x);
    return s.cell(a.row, a.col) == Roupe || (s.cell(a.row, a.col + 1) == Roupe && a.dx > 0);
}

}  // namespace tamb
