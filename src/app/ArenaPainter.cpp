#include "ArenaPainter.h"

#include <algorithm>

#include "SpriteLayout.h"

namespace tamb {

namespace {
using Mode = Bitmap::CopyMode;

int shetsInUse(const GameState& s) { return std::clamp<int>(s.ShetsCount, 0, kMaxShets); }

constexpr size_t kMaxFigureMarks = 64;
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
    figureMarks_.clear();
    cellDiffers_.fill(false);
    arenaUnknown_ = false;
    cutSheetIntoColumns();
}

void ArenaPainter::cutSheetIntoColumns() {
    const int height = sheet_.height(), columns = sheet_.width() / kCellSize;
    if (columns == 0 || height == 0) {
        sheetColumns_ = Bitmap();
        return;
    }
    sheetColumns_ = Bitmap(kCellSize, height * columns);
    sheetColumns_.setCopyMode(Mode::SourceCopy);
    for (int c = 0; c < columns; ++c)
        sheetColumns_.copyRect(QRect(0, c * height, kCellSize, height), sheet_, QRect(c * kCellSize, 0, kCellSize, height));
}

void ArenaPainter::forgetArena() { arenaUnknown_ = true; }

void ArenaPainter::drawScene(const GameState& s) {
    cellsRestored_.clear();
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
    if (arenaUnknown_) {
        arena_.copyRect(square, arenaBitmap_, square);
        cellsRestored_.push_back(square);
        return;
    }
    // Only where the two pictures may differ; the rest of the square
    // already shows the static arena.
    for (const QRect& mark : figureMarks_) {
        const QRect part = mark.intersected(square);
        if (!part.isEmpty()) arena_.copyRect(part, arenaBitmap_, part);
    }
    std::erase_if(figureMarks_, [&](const QRect& mark) { return square.contains(mark); });
    const QRect cells = square.intersected(QRect(0, 0, kCols * kCellSize, kRows * kCellSize));
    if (cells.isEmpty()) return;
    for (int row = cells.top() / kCellSize; row <= cells.bottom() / kCellSize; ++row) {
        for (int col = cells.left() / kCellSize; col <= cells.right() / kCellSize; ++col) {
            bool& differs = cellDiffers_[static_cast<size_t>(row * kCols + col)];
            if (!differs) continue;
            const QRect cell = sprites::cellRect(row, col);
            const QRect part = cell.intersected(square);
            arena_.copyRect(part, arenaBitmap_, part);
            cellsRestored_.push_back(part);
            if (part == cell) differs = false;
        }
    }
}

void ArenaPainter::markCell(int row, int col, bool differs) {
    if (row < 0 || row >= kRows || col < 0 || col >= kCols) return;
    cellDiffers_[static_cast<size_t>(row * kCols + col)] = differs;
}

void ArenaPainter::takeKlad(int row, int col) {
    arenaBitmap_.setCopyMode(Mode::SourceCopy);
    arenaBitmap_.copyRect(sprites::cellRect(row, col), sheet_, sprites::blankPatch());
    markCell(row, col, true);
}

void ArenaPainter::burnBrick(int row, int col) {
    arenaBitmap_.setCopyMode(Mode::SourceCopy);
    arena_.setCopyMode(Mode::SourceCopy);
    arenaBitmap_.copyRect(sprites::cellRect(row, col), sheet_, sprites::blankPatch());
    arena_.copyRect(sprites::cellRect(row, col), sheet_, sprites::blankPatch());
    markCell(row, col, false);
}

void ArenaPainter::drawRegrowthFrame(int row, int col, int v) {
    arenaBitmap_.setCopyMode(Mode::SourceCopy);
    arena_.setCopyMode(Mode::SourcePaint);
    arenaBitmap_.copyRect(sprites::cellRect(row, col), sheet_, sprites::regrowthFrame(v));
    arena_.copyRect(sprites::cellRect(row, col), sheet_, sprites::regrowthFrame(v));
    markCell(row, col, true);
}

void ArenaPainter::drawFigures(const GameState& s) {
    arena_.setCopyMode(Mode::SourcePaint);
    drawMan(s, true);
    drawShets(s, true);
}

void ArenaPainter::drawMan(const GameState& s, bool firstFrameIfUnset) {
    int frame = s.ManFrame;
    if (firstFrameIfUnset && frame < 1) frame = 1;
    drawFigure(QRect(s.ManX, s.ManY, kCellSize, kCellSize), sprites::figureFrame(frame, s.ManSpriteRow));
}

void ArenaPainter::drawShets(const GameState& s, bool firstFrameIfUnset) {
    const int shets = shetsInUse(s);
    for (int k = 0; k < shets; ++k) {
        int frame = s.ShetsFrame[k];
        int row = s.ShetsSpriteRow[k];
        if (firstFrameIfUnset) {
            if (frame < 1) frame = 1;
            if (row < kFirstShetsStrip) row = kFirstShetsStrip;
        }
        drawFigure(QRect(s.ShetsX[k], s.ShetsY[k], kCellSize, kCellSize), sprites::figureFrame(frame, row));
    }
}

void ArenaPainter::drawFigure(const QRect& place, const QRect& picture) {
    const int column = picture.left() / kCellSize;
    const bool inOneColumn = picture.left() >= 0 && picture.left() % kCellSize == 0 && picture.width() == kCellSize &&
                             picture.top() >= 0 && picture.bottom() < sheet_.height();
    if (!sheetColumns_.isNull() && inOneColumn && column < sheetColumns_.height() / sheet_.height()) {
        arena_.copyRect(place, sheetColumns_, picture.translated(-picture.left(), column * sheet_.height()));
    } else {
        arena_.copyRect(place, sheet_, picture);
    }
    const QRect shown = place.intersected(QRect(0, 0, arena_.width(), arena_.height()));
    if (shown.isEmpty() || std::find(figureMarks_.begin(), figureMarks_.end(), shown) != figureMarks_.end()) return;
    figureMarks_.push_back(shown);
    // Marks no restore took away (a figure gone from a place nobody
    // restores) must not pile up: past a few dozen they fold into one
    // rectangle covering them all, which costs copying but never pixels.
    if (figureMarks_.size() > kMaxFigureMarks) {
        QRect all;
        for (const QRect& mark : figureMarks_) all |= mark;
        figureMarks_.assign(1, all);
    }
}

}  // namespace tamb
