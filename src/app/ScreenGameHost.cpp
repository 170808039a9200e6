#include "ScreenGameHost.h"

#include <QRegion>
#include <algorithm>
#include <cstdlib>

#include "RectUnion.h"
#include "TMainForm.h"

namespace tamb {

namespace {

QRect cellRect(int row, int col) { return QRect(col * kCellSize, row * kCellSize, kCellSize, kCellSize); }

// The square a restore repaints around a body at (x, y).
QRect aroundRect(int x, int y) { return QRect(x - 8, y - 8, 36, 36); }

QRect figureRect(int x, int y) { return QRect(x, y, kCellSize, kCellSize); }

}  // namespace

ScreenGameHost::ScreenGameHost(TMainForm& form) : form_(form) { forgetShownFrames(); }

void ScreenGameHost::forgetShownFrames() {
    shownLooks_.fill(Look{});
    touched_ = QRegion();
}

// A scene restores the square around every figure from the arena bitmap
// and draws the figures anew, so the screen can only change where a figure
// was or now is, where the painter's restores brought a cell back to the
// arena bitmap, where something was drawn since the last scene and in
// animated cells whose frame moved on.
// A figure that neither moved nor changed its picture leaves its pixels as
// they were.
void ScreenGameHost::addFigure(Look& shown, const Look& now) {
    if (!shown.known) {
        rects_.push_back(aroundRect(now.x, now.y));
    } else if (shown != now) {
        if (std::abs(now.x - shown.x) <= 8 && std::abs(now.y - shown.y) <= 8) {
            rects_.push_back(figureRect(shown.x, shown.y).united(figureRect(now.x, now.y)));
        } else {
            // A jump (caught, back at the door): the old picture is the
            // rules' to wipe; the new place gets its whole square.
            rects_.push_back(figureRect(shown.x, shown.y));
            rects_.push_back(aroundRect(now.x, now.y));
        }
    }
    shown = now;
}

QRegion ScreenGameHost::sceneRegion(const GameState& s) {
    rects_.clear();
    addFigure(shownLooks_[0], Look{s.ManX, s.ManY, s.ManFrame, s.ManSpriteRow, s.GameResult == GameResult::Normal, true});
    const int count = std::clamp<int>(s.ShetsCount, 0, kMaxShets);
    for (int k = 0; k < count; ++k) {
        addFigure(shownLooks_[static_cast<size_t>(k) + 1],
                  Look{s.ShetsX[k], s.ShetsY[k], s.ShetsFrame[k], s.ShetsSpriteRow[k], true, true});
    }
    rects_.insert(rects_.end(), touched_.begin(), touched_.end());
    touched_ = QRegion();
    const ArenaPainter& painter = form_.painter();
    rects_.insert(rects_.end(), painter.cellsRestored().begin(), painter.cellsRestored().end());
    for (const int i : painter.framesDrawn()) rects_.push_back(cellRect(i / kCols, i % kCols));
    return unionOf(rects_);
}

void ScreenGameHost::drawScene(const GameState& s) {
    form_.painter().drawScene(s);
    const QRegion region = sceneRegion(s);
    if (!region.isEmpty()) form_.repaintArenaNow(region);
}

void ScreenGameHost::restoreAround(const GameState& s) {
    form_.painter().restoreAround(s.RedrawX, s.RedrawY);
    const QRect square = aroundRect(s.RedrawX, s.RedrawY);
    touched_ += square;
    form_.refreshArena(square);
}

void ScreenGameHost::takeKlad(const GameState&, int row, int col) {
    // Only the arena bitmap changes now; the screen follows with the next
    // scene, which restores the man's square over it.
    form_.painter().takeKlad(row, col);
    touched_ += cellRect(row, col);
    form_.KladsLabelUpdate();
}

void ScreenGameHost::burnBrick(const GameState&, int row, int col) {
    form_.painter().burnBrick(row, col);
    touched_ += cellRect(row, col);
    form_.refreshArena(cellRect(row, col));
}

void ScreenGameHost::livesLabelUpdate(const GameState&) { form_.LivesLabelUpdate(); }

void ScreenGameHost::threadPlaysound(std::string_view event) { form_.playGameSound(event); }

void ScreenGameHost::drawRegrowthFrame(const GameState&, int row, int col, int v) {
    form_.painter().drawRegrowthFrame(row, col, v);
    touched_ += cellRect(row, col);
    form_.refreshArena(cellRect(row, col));
}

}  // namespace tamb
