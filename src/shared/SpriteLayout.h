#pragma once
#include <QRect>
#include <cstdint>
#include <optional>

#include "Bitmap.h"
#include "CellCodes.h"
#include "CellStates.h"
#include "SpriteStrips.h"

namespace tamb::sprites {

// Where every picture of the arena lies in the sprite sheet.

inline QRect cellRect(int row, int col) { return QRect(col * kCellSize, row * kCellSize, kCellSize, kCellSize); }

// Frame n (from 1) of the strip whose top row is strip.
inline QRect stripFrame(int strip, int n) {
    return ltrb(kFrameWidth * (n - 1), strip, kFrameWidth * n, strip + kStripHeight);
}

// The picture of an empty cell, 40x19, squeezed onto one cell.
inline QRect blankPatch() { return ltrb(290, 0, 330, 19); }

// Brick regrowth frame v (1..18); the last one is the whole brick.
inline QRect regrowthFrame(int v) { return stripFrame(kRegrowthStrip, v); }

// A figure's frame (from 1) in the strip whose top row is spriteRow.
inline QRect figureFrame(int frame, int spriteRow) { return stripFrame(spriteRow, frame); }

// A static tile of the tile strip.
inline QRect tile(TileSlot slot) { return stripFrame(kTileStrip, slot + 1); }

// The tile level setup draws for a cell code; none for Empty and for codes
// without a tile (9..19, above 26, negative), which stay black. Klad, Water
// and Stairs take their picture 19 pixels wide (Water also 19 high), and
// the copy stretches it onto the cell.
inline std::optional<QRect> staticTile(int32_t code) {
    switch (code) {
        case Klad: return ltrb(0, kGlitterStrip, 19, kGlitterStrip + kStripHeight);
        case FalseKirp: return regrowthFrame(kWholeBrickFrame);  // the game shows it as a brick
        case Water: return ltrb(0, kWaterStrip, 19, kWaterStrip + kStripHeight - 1);
        case ToRight: return tile(ToRightSlot);
        case ToLeft: return tile(ToLeftSlot);
        case Kol: return tile(KolSlot);
        case Gum: return tile(GumSlot);
        case DownWater: return stripFrame(kWaterStrip, kDownWaterColumn + 1);
        case Stairs: return ltrb(0, kTileStrip, 19, kTileStrip + kStripHeight);
        case Roupe: return tile(RoupeSlot);
        case Kirp: return regrowthFrame(kWholeBrickFrame);
        case SuperKirp: return tile(SuperKirpSlot);
        case Balka: return tile(BalkaSlot);
        case BoundVert: return tile(BoundVertSlot);
        case BoundHor: return tile(BoundHorSlot);
        case ManDoor: return tile(ManDoorSlot);
        case ShetsDoor: return tile(ShetsDoorSlot);
        default: return std::nullopt;
    }
}

// The frame an animated cell state shows: treasure glitter, water or the
// exit door; none for other values.
inline std::optional<QRect> animatedFrame(int32_t v) {
    if (isGlitterState(v)) return stripFrame(kGlitterStrip, v - kGlitterStates.first + 1);
    if (isWaterState(v)) return stripFrame(kWaterStrip, v - kWaterStates.first + 1);
    if (isExitDoorState(v)) return stripFrame(kExitDoorStrip, v - kExitDoorStates.first + 1);
    return std::nullopt;
}

}  // namespace tamb::sprites
