#pragma once
#include <QRect>
#include <QRegion>
#include <array>
#include <vector>

#include "CellCodes.h"
#include "GameHost.h"
#include "GameState.h"

namespace tamb {

class TMainForm;

// The game's requests carried out directly on the game screen. Runs on the
// user-interface thread only: the brick timer uses it as it is, the game
// thread hands its requests over to that thread first.
class ScreenGameHost final : public GameHost {
public:
    explicit ScreenGameHost(TMainForm& form);

    void drawScene(const GameState& s) override;
    void restoreAround(const GameState& s) override;
    void takeKlad(const GameState& s, int row, int col) override;
    void burnBrick(const GameState& s, int row, int col) override;
    void livesLabelUpdate(const GameState& s) override;
    void threadPlaysound(std::string_view event) override;
    void drawRegrowthFrame(const GameState& s, int row, int col, int v) override;

    // Forgets what is on the screen (after the whole arena was drawn anew):
    // the next scene repaints every figure's square. Animated cells follow
    // the painter, which draws them all again after a new static arena.
    void forgetShownFrames();

private:
    // How one figure was last put on the screen.
    struct Look {
        int x = 0, y = 0, frame = 0, row = 0;
        bool drawn = false;
        bool known = false;
        bool operator==(const Look&) const = default;
    };
    QRegion sceneRegion(const GameState& s);
    void addFigure(Look& shown, const Look& now);

    TMainForm& form_;
    std::array<Look, 1 + kMaxShets> shownLooks_{};
    // Squares drawn outside a scene whose neighbourhood the next scene may
    // redraw (e.g. a treasure taken under the man's feet).
    QRegion touched_;
    std::vector<QRect> rects_;
};

}  // namespace tamb
