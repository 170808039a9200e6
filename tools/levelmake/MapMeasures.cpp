#include "MapMeasures.h"

#include <algorithm>

namespace tamb::levelmake {

namespace {

int32_t at(const GameLevel& level, int row, int col) { return level.cells[row * kCols + col]; }

}  // namespace

const char* mechanicName(Mechanic m) {
    switch (m) {
    case Mechanic::Stairs: return "stairs";
    case Mechanic::Rope: return "rope";
    case Mechanic::Burn: return "burn";
    case Mechanic::FalseBrick: return "false";
    case Mechanic::Water: return "water";
    case Mechanic::Stakes: return "stakes";
    case Mechanic::Gum: return "gum";
    }
    return "?";
}

bool mechanicOfCode(int32_t code, Mechanic& out) {
    switch (code) {
    case Stairs: out = Mechanic::Stairs; return true;
    case Roupe: out = Mechanic::Rope; return true;
    case Kirp: out = Mechanic::Burn; return true;
    case FalseKirp: out = Mechanic::FalseBrick; return true;
    case Water:
    case DownWater: out = Mechanic::Water; return true;
    case Kol: out = Mechanic::Stakes; return true;
    case Gum: out = Mechanic::Gum; return true;
    default: return false;
    }
}

int mechanicCount(MechanicSet set) {
    int n = 0;
    for (int m = 0; m < kMechanicCount; ++m) n += (set >> m) & 1;
    return n;
}

std::string mechanicList(MechanicSet set) {
    std::string out;
    for (int m = 0; m < kMechanicCount; ++m) {
        if (!((set >> m) & 1)) continue;
        if (!out.empty()) out += '+';
        out += mechanicName(static_cast<Mechanic>(m));
    }
    return out.empty() ? "-" : out;
}

int interiorFilled(const GameLevel& level) {
    int n = 0;
    for (int r = kInteriorTop; r <= kInteriorBottom; ++r)
        for (int c = kInteriorLeft; c <= kInteriorRight; ++c) n += at(level, r, c) != Empty;
    return n;
}

// The usual histogram sweep: for each row, the run of Empty cells above
// every column, and the largest rectangle under that skyline.
int largestEmptyRectangle(const GameLevel& level) {
    constexpr int width = kInteriorRight - kInteriorLeft + 1;
    std::vector<int> height(width, 0);
    int best = 0;
    for (int r = kInteriorTop; r <= kInteriorBottom; ++r) {
        for (int i = 0; i < width; ++i) height[i] = at(level, r, kInteriorLeft + i) == Empty ? height[i] + 1 : 0;
        std::vector<int> stack;
        for (int i = 0; i <= width; ++i) {
            const int h = i < width ? height[i] : 0;
            while (!stack.empty() && height[stack.back()] >= h) {
                const int top = height[stack.back()];
                stack.pop_back();
                const int left = stack.empty() ? 0 : stack.back() + 1;
                best = std::max(best, top * (i - left));
            }
            stack.push_back(i);
        }
    }
    return best;
}

int treasureCount(const GameLevel& level) {
    return static_cast<int>(std::count(level.cells.begin(), level.cells.end(), Klad));
}

MechanicSet mechanicsInMap(const GameLevel& level) {
    MechanicSet set = 0;
    for (int32_t code : level.cells) {
        Mechanic m{};
        if (mechanicOfCode(code, m)) set |= bit(m);
    }
    return set;
}

int sharedCells(const GameLevel& a, const GameLevel& b) {
    int n = 0;
    for (int r = kInteriorTop; r <= kInteriorBottom; ++r)
        for (int c = kInteriorLeft; c <= kInteriorRight; ++c)
            n += at(a, r, c) != Empty && at(a, r, c) == at(b, r, c);
    return n;
}

}  // namespace tamb::levelmake
