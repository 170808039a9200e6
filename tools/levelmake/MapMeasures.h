#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "GameLevel.h"

namespace tamb::levelmake {

// Figures of a level's map alone. The interior is rows 1 to 20 and columns
// 1 to 30: everything inside the border.
constexpr int kInteriorTop = 1;
constexpr int kInteriorBottom = kRows - 2;
constexpr int kInteriorLeft = 1;
constexpr int kInteriorRight = kCols - 2;
constexpr int kInteriorCells = (kInteriorBottom - kInteriorTop + 1) * (kInteriorRight - kInteriorLeft + 1);

// The mechanics a level can ask of the man; water and falling water count
// as one.
enum class Mechanic : uint8_t { Stairs, Rope, Burn, FalseBrick, Water, Stakes, Gum };
constexpr int kMechanicCount = 7;
const char* mechanicName(Mechanic m);  // "stairs", "rope", ...
// The mechanic a cell code stands for; false for the others.
bool mechanicOfCode(int32_t code, Mechanic& out);

// A set of mechanics as bits (1 << Mechanic).
using MechanicSet = uint8_t;
constexpr MechanicSet bit(Mechanic m) { return static_cast<MechanicSet>(1u << static_cast<int>(m)); }
int mechanicCount(MechanicSet set);
std::string mechanicList(MechanicSet set);  // "stairs+rope+burn", "-" when empty

// Ground cells only: the figures and doors stand on Empty cells.
int interiorFilled(const GameLevel& level);
// The largest rectangle of Empty cells inside the interior, in cells.
int largestEmptyRectangle(const GameLevel& level);
int treasureCount(const GameLevel& level);
MechanicSet mechanicsInMap(const GameLevel& level);

// Interior cells that are non-empty and hold the same code in both levels.
int sharedCells(const GameLevel& a, const GameLevel& b);

}  // namespace tamb::levelmake
