#pragma once
#include <cstdint>

namespace tamb {

// Cell codes as stored in level files and in the grids. The numbers are
// fixed: the rules compare ground codes by range (below 20, 20, 21, 22+).
enum CellCode : int32_t {
    Empty = 0,
    Klad = 1,
    FalseKirp = 2,
    Water = 3,
    ToRight = 4,
    ToLeft = 5,
    Kol = 6,
    Gum = 7,
    DownWater = 8,
    Stairs = 20,
    Roupe = 21,
    Kirp = 22,
    SuperKirp = 23,
    Balka = 24,
    BoundVert = 25,
    BoundHor = 26,
    // Object codes: held in the editor's grid only; files keep them in the
    // object lines.
    Man = 1000,
    Shets = 1001,
    ManDoor = 1002,
    ShetsDoor = 1003,
    OutDoor = 1004,
};

constexpr int kRows = 22;
constexpr int kCols = 32;
constexpr int kCellSize = 20;
constexpr int kArenaWidth = kCols * kCellSize;   // 640
constexpr int kArenaHeight = kRows * kCellSize;  // 440
constexpr int kMaxShets = 15;
// The rows below the arena read as Empty, so a falling body leaves it at
// the bottom; when its Y reaches this it is gone (the man dies, a devil
// goes back to its door).
constexpr int kFallOutY = kArenaHeight + 2 * kCellSize;  // 480

constexpr bool isGroundCode(int32_t c) { return (c >= 0 && c <= 8) || (c >= 20 && c <= 26); }
constexpr bool isObjectCode(int32_t c) { return c >= 1000 && c <= 1004; }
constexpr bool isKnownCode(int32_t c) { return isGroundCode(c) || isObjectCode(c); }

// Cell classes of the rules.
constexpr bool isSolid(int32_t c) { return c >= 22; }
constexpr bool isPassable(int32_t c) { return c < 22; }
constexpr bool isOpen(int32_t c) { return c < 20 || c == Roupe; }

}  // namespace tamb
