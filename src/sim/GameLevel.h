#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "CellCodes.h"

namespace tamb {

struct CellPos {
    int col = 0;
    int row = 0;
    bool operator==(const CellPos&) const = default;
};

// A level as the game reads it: the ground grid plus the positions of the
// man, the devils and the three doors (cells, not pixels).
struct GameLevel {
    std::array<int32_t, kRows * kCols> cells{};
    CellPos man;
    std::vector<CellPos> shets;  // at most kMaxShets, in file order
    CellPos manDoor;
    CellPos shetsDoor;
    CellPos outDoor;
};

}  // namespace tamb
