#include "ScreenGameHost.h"

#include <QRegion>
#include <algorithm>

#include "GameState.h"
#include "SoundEffects.h"
#include "TMainForm.h"

namespace tamb {

namespace {

QRect cellRect(int row, int col) { return QRect(col * kCellSize, row * kCellSize, kCellSize, kCellSize); }

// The square a restore repaints around a body at (x, y).
QRect aroundRect(int x, int y) { return QRect(x - 8, y - 8, 36, 36); }

bool isAnimated(int v) { return (v >= 20 && v <= 30) || (v >= 40 && v <= 55) || (v >= 60 && v <= 63); }

}  // namespace

// Everything a scene step may have changed: the squares around the man and
// the devils (they reach past the old pictures) and every animated cell
// whose frame differs from the one last shown there. A cell whose frame
// did not change holds the same pixels, so the screen needs nothing there.
QRegion ScreenGameHost::sceneRegion(const GameState& s) {
    rects_.clear();
    rects_.push_back(aroundRect(s.ManX, s.ManY));
    const int count = std::clamp<int>(s.ShetsCount, 0, kMaxShets);
    for (int k = 0; k < count; ++k) rects_.push_back(aroundRect(s.ShetsX[k], s.ShetsY[k]));
    for (int i = 0; i < kRows * kCols; ++i) {
        const int v = s.CellStates[i];
        if (isAnimated(v) && shownFrames_[static_cast<size_t>(i)] != v) {
            shownFrames_[static_cast<size_t>(i)] = v;
            rects_.push_back(cellRect(i / kCols, i % kCols));
        }
    }
    QRegion region;
    for (const QRect& r : rects_) region += r;
    return region;
}

ScreenGameHost::ScreenGameHost(AppContext& ctx, TMainForm& form) : ctx_(ctx), form_(form) { forgetShownFrames(); }

void ScreenGameHost::drawScene(const GameState& s) {
    form_.painter().drawScene(s);
    form_.refreshArena(sceneRegion(s));
}

void ScreenGameHost::restoreAround(const GameState& s) {
    form_.painter().restoreAround(s.RedrawX, s.RedrawY);
    form_.refreshArena(aroundRect(s.RedrawX, s.RedrawY));
}

void ScreenGameHost::takeKlad(const GameState&, int row, int col) {
    form_.painter().takeKlad(row, col);
    form_.KladsLabelUpdate();
}

void ScreenGameHost::burnBrick(const GameState&, int row, int col) {
    form_.painter().burnBrick(row, col);
    form_.refreshArena(cellRect(row, col));
}

void ScreenGameHost::livesLabelUpdate(const GameState&) { form_.LivesLabelUpdate(); }

void ScreenGameHost::threadPlaysound(std::string_view event) { ThreadPlaysound(ctx_, event); }

void ScreenGameHost::drawRegrowthFrame(const GameState&, int row, int col, int v) {
    form_.painter().drawRegrowthFrame(row, col, v);
    form_.refreshArena(cellRect(row, col));
}

}  // namespace tamb
