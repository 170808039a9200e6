#pragma once
#include <array>
#include <functional>
#include <vector>

#include "Bitmap.h"
#include "GameState.h"

namespace tamb {

// The drawing halves of the game: copies rectangles of the sprite sheet
// onto the static arena picture (ArenaBitmap, no figures) and onto the
// screen picture (Arena, the static arena with the figures ORed on top).
// Every step sets the copy mode of each picture it draws on first, so no
// step depends on the mode another one left behind. It draws into the
// bitmaps only; whoever shows Arena repaints it afterwards.
class ArenaPainter {
public:
    ArenaPainter(const Bitmap& spriteSheet, Bitmap& arenaBitmap, Bitmap& arena);

    // Blanks the static arena, draws every cell's tile (perCell runs once
    // per cell, row by row) and the man's and devils' doors, then copies the
    // whole picture to the screen. The exit door is left out: it appears
    // only once every treasure is taken.
    void drawStaticArena(const GameState& s, const std::function<void()>& perCell = {});
    // The scene after the animation frames were advanced: restores the
    // squares around the man and the devils, redraws the animated cells
    // whose frame changed and ORs the man (while the game is on) and the
    // devils onto the screen.
    void drawScene(const GameState& s);
    // The cells (row * kCols + col) whose animation frame the last scene drew.
    const std::vector<int>& framesDrawn() const { return framesDrawn_; }
    // The parts of cells the last scene's restores copied because the screen
    // picture held something else there (a regrowth frame, a treasure taken
    // from the static arena only); until the static arena is known, the
    // whole squares restored. Moving figures aside, these are the places the
    // scene changed.
    const std::vector<QRect>& cellsRestored() const { return cellsRestored_; }
    // Repaints the square reaching 8 pixels around the figure at (x, y).
    void restoreAround(int x, int y);
    // Something other than this painter drew on the screen picture: restores
    // copy whole squares again until the next static arena.
    void forgetArena();
    // A treasure taken: the cell becomes empty in the static arena; the
    // screen follows with the next restore or frame.
    void takeKlad(int row, int col);
    // A brick burnt: the cell becomes empty on both pictures at once.
    void burnBrick(int row, int col);
    // Regrowth frame v (1..18) of a burnt brick.
    void drawRegrowthFrame(int row, int col, int v);
    // The man and the devils ORed at their positions. Figures that were not
    // animated yet (frame 0, no strip) show their first standing frame.
    void drawFigures(const GameState& s);

private:
    void drawMan(const GameState& s, bool firstFrameIfUnset);
    void drawShets(const GameState& s, bool firstFrameIfUnset);
    void drawFigure(const QRect& place, const QRect& picture);
    void markCell(int row, int col, bool differs);
    void cutSheetIntoColumns();

    const Bitmap& sheet_;
    Bitmap& arenaBitmap_;
    Bitmap& arena_;
    // The frame each animated cell shows on both pictures, -1 for none. A
    // cell whose frame stays holds the same pixels (the restores only bring
    // back what the static arena has), so it is not copied again.
    std::array<int, kRows * kCols> shownFrames_{};
    std::vector<int> framesDrawn_;
    std::vector<QRect> cellsRestored_;
    // Where the screen picture may differ from the static arena; everywhere
    // else the two hold the same pixels, so a restore need not copy there.
    // A restore runs right after a sleep of a tick, with the pictures long
    // gone from the processor's caches, where each row touched costs; the
    // few figure-sized places that differ are far fewer rows than whole
    // squares.
    std::vector<QRect> figureMarks_;                 // figures ORed on and not yet restored away
    std::array<bool, kRows * kCols> cellDiffers_{};  // regrowth ORed on, treasure taken from the static arena only
    // The sprite sheet cut into its 20-pixel columns, laid one under the
    // other: a figure's picture is then one unbroken block of memory, which
    // the processor fetches ahead, instead of 20 rows far apart.
    Bitmap sheetColumns_;
    bool arenaUnknown_ = true;                       // no static arena drawn yet, or someone else drew
};

}  // namespace tamb
