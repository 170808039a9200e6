#pragma once
#include <array>

namespace tamb {

// Where the pictures lie in the sprite sheet: horizontal strips 20 pixels
// high, named by their top pixel row, whose frame n (from 1) lies at left
// 20 (n - 1). The figures' strips are state too (ManSpriteRow,
// ShetsSpriteRow), so the rules name them as well as the painter.
constexpr int kStripHeight = 20;
constexpr int kFrameWidth = 20;

// The man's strips.
constexpr int kManFallingStrip = 0;
constexpr int kManRightStrip = 23;
constexpr int kManLeftStrip = 46;
constexpr int kManRopeRightStrip = 138;
constexpr int kManRopeLeftStrip = 161;
constexpr int kManStandStrip = 184;  // frame 1 faces right, frame 2 left
constexpr int kManClimbStrip = 207;

// The devils' strips; every one lies below all of the man's.
constexpr int kShetsFallingStrip = 253;
constexpr int kShetsRightStrip = 276;
constexpr int kShetsLeftStrip = 299;
constexpr int kShetsRopeRightStrip = 322;
constexpr int kShetsRopeLeftStrip = 345;
constexpr int kShetsBlockedStrip = 368;  // frame 1 faces right, frame 2 left
constexpr int kShetsClimbStrip = 391;
constexpr int kFirstShetsStrip = kShetsFallingStrip;

constexpr std::array<int, 14> kFigureStrips{
    kManFallingStrip,   kManRightStrip,     kManLeftStrip,        kManRopeRightStrip, kManRopeLeftStrip,
    kManStandStrip,     kManClimbStrip,     kShetsFallingStrip,   kShetsRightStrip,   kShetsLeftStrip,
    kShetsRopeRightStrip, kShetsRopeLeftStrip, kShetsBlockedStrip, kShetsClimbStrip};

// Strips of the cells.
constexpr int kRegrowthStrip = 69;   // regrowth frame v of a hole at frame v
constexpr int kTileStrip = 92;       // the static tiles, by TileSlot
constexpr int kGlitterStrip = 115;   // treasure glitter; frame 1 is the Klad tile
constexpr int kWaterStrip = 230;     // water; frame 1 is the Water tile
constexpr int kExitDoorStrip = 414;  // the exit door

// Places of the static tiles in the tile strip, from the left.
enum TileSlot : int {
    StairsSlot,
    RoupeSlot,
    BalkaSlot,
    SuperKirpSlot,
    ManDoorSlot,
    ShetsDoorSlot,
    BoundVertSlot,
    BoundHorSlot,
    FalseKirpSlot,  // the editor's own picture; the game draws FalseKirp as a brick
    ToRightSlot,
    ToLeftSlot,
    GumSlot,
    KolSlot,
};
// The DownWater tile stands in the water strip, right of the water frames.
constexpr int kDownWaterColumn = 16;

}  // namespace tamb
