#pragma once
#include <QRgb>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

#include "Bitmap.h"
#include "CellCodes.h"
#include "GameLevel.h"

namespace tamb::test {

// A sprite sheet whose every tile and frame is a known solid colour, so a
// test can tell from one pixel which picture landed where.
//  - static tiles: tileColour(code); Kirp and FalseKirp share the brick
//  - regrowth frame v: regrowthColour(v)
//  - treasure/water/door frames for state s: frameColour(s)
//  - figures: figureColour (pure red square 4..15 inside the 20x20 frame,
//    black around it), the blank patch: blankColour
// The 20th column (and row) next to the 19-pixel tiles is kStrayColour, so a
// tile that is not stretched shows it.
Bitmap makeTestSpriteSheet();
QRgb tileColour(int32_t code);
QRgb regrowthColour(int v);
QRgb frameColour(int state);
constexpr QRgb kFigureColour = 0xffff0000u;
constexpr QRgb kBlankColour = 0xff102030u;
constexpr QRgb kStrayColour = 0xff00ff00u;

// A level as the lines of its file.
struct LevelSpec {
    std::array<int32_t, kRows * kCols> cells{};
    CellPos man{2, 2};
    std::vector<CellPos> shets;
    QString shetsLine;  // when set, written instead of shets
    CellPos manDoor{2, 2};
    CellPos shetsDoor{28, 2};
    CellPos outDoor{28, 19};

    void set(int row, int col, int32_t code) { cells[static_cast<size_t>(row * kCols + col)] = code; }
    QStringList lines() const;
};

// A level closed by border cells with a floor, one treasure and one devil.
LevelSpec simpleLevel();
// The simple level made a corridor: holding Right walks the man from
// column 3 over the treasure onto the exit door; the devil is shut in a box
// far above. Every object has a cell of its own, as the editor needs.
LevelSpec corridorLevel();

// Writes levels/, graphics/ (the test sheet and a password picture) and the
// Sound/ files named into dir.
void writeGraphics(const QString& dir);
void writeLevel(const QString& dir, int number, const LevelSpec& level);
void writeWave(const QString& fileName);
void writeAllSounds(const QString& dir);
const QStringList& allSoundNames();

}  // namespace tamb::test
