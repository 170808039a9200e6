#include "ArenaPainter.h"

#include <algorithm>

#include "SpriteLayout.h"

namespace tamb {

namespace {
using Mode = Bitmap::CopyMode;

int shetsInUse(const GameState& s) { return std::clamp<int>(s.ShetsCount, 0, kMaxShets); }

constexpr int kFirstShetsRow = 253;
}  // namespace

ArenaPainter::ArenaPainter(const Bitmap& spriteSheet, Bitmap& arenaBitmap, Bitmap& arena)
    : sheet_(spriteSheet), arenaBitmap_(arenaBitmap), arena_(arena) {
    shownFrames_.fill(-1);
    framesDrawn_.reserve(kRows * kCols);
}

void ArenaPainter::drawStaticArena(const GameState& s, const std::function<void()>& perCell) {
    arenaBitmap_.setCopyMode(Mode::SourceCopy);
    arena_.setCopyMode(Mode::SourceCopy);
    arenaBitmap_.fill(0);
    shownFrames_.fill(-1);
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kCols; ++c) {
            if (perCell) perCell();
            const int32_t code = s.cell(r, c);
            if (code == Empty) continue;
            if (const auto tile = sprites::staticTile(code)) arenaBitmap_.copyRect(sprites::cellRect(r, c), sheet_, *tile);
        }
    }
    // The doors cover whatever tile their cells hold.
    arenaBitmap_.copyRect(QRect(s.ManStartX, s.ManStartY, kCellSize, kCellSize), sheet_, *sprites::staticTile(ManDoor));
    arenaBitmap_.copyRect(QRect(s.ShetsStartX, s.ShetsStartY, kCellSize, kCellSize), sheet_,
                          *sprites::staticTile(ShetsDoor));
    arena_.copyRect(QRect(0, 0, arenaBitmap_.width(), arenaBitmap_.height()), arenaBitmap_,
                    QRect(0, 0, arenaBitmap_.width(), arenaBitmap_.height()));
}

void ArenaPainter::drawScene(const GameState& s) {
    restoreAround(s.ManX, s.ManY);
    const int shets = shetsInUse(s);
    for (int k = 0; k < shets; ++k) restoreAround(s.ShetsX[k], s.ShetsY[k]);

    arenaBitmap_.setCopyMode(Mode::SourceCopy);
    arena_.setCopyMode(Mode::SourceCopy);
    framesDrawn_.clear();
    for (int i = 0; i < kRows * kCols; ++i) {
        const int v = s.CellStates[i];
        const auto frame = sprites::animatedFrame(v);
        int& shown = shownFrames_[static_cast<size_t>(i)];
        if (!frame) {
            shown = -1;
            continue;
        }
        if (shown == v) continue;
        shown = v;
        framesDrawn_.push_back(i);
        const QRect cell = sprites::cellRect(i / kCols, i % kCols);
        arenaBitmap_.copyRect(cell, sheet_, *frame);
        arena_.copyRect(cell, arenaBitmap_, cell);
    }

    arena_.setCopyMode(Mode::SourcePaint);
    if (s.GameResult == GameResult::Normal) drawMan(s, false);
    drawShets(s, false);
}

void ArenaPainter::restoreAround(int x, int y) {
    arena_.setCopyMode(Mode::SourceCopy);
    const QRect square = ltrb(x - 8, y - 8, x + 28, y + 28);
    arena_.copyRect(square, arenaBitmap_, square);
}

void ArenaPainter::takeKlad(int row, int col) {
    arenaBitmap_.setCopyMode(Mode::SourceCopy);
    arenaBitmap_.copyRect(sprites::cellRect(row, col), sheet_, sprites::blankPatch());
}

void ArenaPainter::burnBrick(int row, int col) {
    arenaBitmap_.setCopyMode(Mode::SourceCopy);
    arena_.setCopyMode(Mode::SourceCopy);
    arenaBitmap_.copyRect(sprites::cellRect(row, col), sheet_, sprites::blankPatch());
    arena_.copyRect(sprites::cellRect(row, col), sheet_, sprites::blankPatch());
}

void ArenaPainter::drawRegrowthFrame(int row, int col, int v) {
    arenaBitmap_.setCopyMode(Mode::SourceCopy);
    arena_.setCopyMode(Mode::SourcePaint);
    arenaBitmap_.copyRect(sprites::cellRect(row, col), sheet_, sprites::regrowthFrame(v));
    arena_.copyRect(sprites::cellRect(row, col), sheet_, sprites::regrowthFrame(v));
}

void ArenaPainter::drawFigures(const GameState& s) {
    arena_.setCopyMode(Mode::SourcePaint);
    drawMan(s, true);
    drawShets(s, true);
}

void ArenaPainter::drawMan(const GameState& s, bool firstFrameIfUnset) {
    int frame = s.ManFrame;
    if (firstFrameIfUnset && frame < 1) frame = 1;
    arena_.copyRect(QRect(s.ManX, s.ManY, kCellSize, kCellSize), sheet_, sprites::figureFrame(frame, s.ManSpriteRow));
}

void ArenaPainter::drawShets(const GameState& s, bool firstFrameIfUnset) {
    const int shets = shetsInUse(s);
    for (int k = 0; k < shets; ++k) {
        int frame = s.ShetsFrame[k];
        int row = s.ShetsSpriteRow[k];
        if (firstFrameIfUnset) {
            if (frame < 1) frame = 1;
            if (row < kFirstShetsRow) row = kFirstShetsRow;
        }
        arena_.copyRect(QRect(s.ShetsX[k], s.ShetsY[k], kCellSize, kCellSize), sheet_, sprites::figureFrame(frame, row));
    }
}

}  // namespace tamb
