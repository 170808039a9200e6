#pragma once
#include <QRect>
#include <cstdint>
#include <optional>

#include "Bitmap.h"
#include "CellCodes.h"

namespace tamb::sprites {

// Where every picture of the arena lies in the sprite sheet.

inline QRect cellRect(int row, int col) { return QRect(col * kCellSize, row * kCellSize, kCellSize, kCellSize); }

// The picture of an empty cell, 40x19, squeezed onto one cell.
inline QRect blankPatch() { return ltrb(290, 0, 330, 19); }

// Brick regrowth frame v (1..18); frame 18 is the whole brick.
inline QRect regrowthFrame(int v) { return ltrb(20 * (v - 1), 69, 20 * v, 89); }

// A figure's frame (from 1) in the strip whose top row is spriteRow.
inline QRect figureFrame(int frame, int spriteRow) {
    return ltrb(20 * (frame - 1), spriteRow, 20 * frame, spriteRow + 20);
}

// The tile level setup draws for a cell code; none for Empty and for codes
// without a tile (9..19, above 26, negative), which stay black.
inline std::optional<QRect> staticTile(int32_t code) {
    switch (code) {
        case Klad: return ltrb(0, 115, 19, 135);
        case FalseKirp: return regrowthFrame(18);  // the game shows it as a brick
        case Water: return ltrb(0, 230, 19, 249);
        case ToRight: return ltrb(180, 92, 200, 112);
        case ToLeft: return ltrb(200, 92, 220, 112);
        case Kol: return ltrb(240, 92, 260, 112);
        case Gum: return ltrb(220, 92, 240, 112);
        case DownWater: return ltrb(320, 230, 340, 250);
        case Stairs: return ltrb(0, 92, 19, 112);
        case Roupe: return ltrb(20, 92, 40, 112);
        case Kirp: return regrowthFrame(18);
        case SuperKirp: return ltrb(60, 92, 80, 112);
        case Balka: return ltrb(40, 92, 60, 112);
        case BoundVert: return ltrb(120, 92, 140, 112);
        case BoundHor: return ltrb(140, 92, 160, 112);
        case ManDoor: return ltrb(80, 92, 100, 112);
        case ShetsDoor: return ltrb(100, 92, 120, 112);
        default: return std::nullopt;
    }
}

// The frame an animated cell state shows: treasure glitter 20..30, water
// 40..55, exit door 60..63; none for other values.
inline std::optional<QRect> animatedFrame(int32_t v) {
    if (v >= 20 && v <= 30) return ltrb(20 * (v - 20), 115, 20 * (v - 20) + 20, 135);
    if (v >= 40 && v <= 55) return ltrb(20 * (v - 40), 230, 20 * (v - 40) + 20, 250);
    if (v >= 60 && v <= 63) return ltrb(20 * (v - 60), 414, 20 * (v - 60) + 20, 434);
    return std::nullopt;
}

}  // namespace tamb::sprites
