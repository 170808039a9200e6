#pragma once
#include <QRect>
#include <QRegion>
#include <array>
#include <vector>

#include "CellCodes.h"
#include "GameHost.h"

namespace tamb {

class TMainForm;
struct AppContext;

// The game's requests carried out directly on the game screen. Runs on the
// user-interface thread only: the brick timer uses it as it is, the game
// thread hands its requests over to that thread first.
class ScreenGameHost final : public GameHost {
public:
    ScreenGameHost(AppContext& ctx, TMainForm& form);

    void drawScene(const GameState& s) override;
    void restoreAround(const GameState& s) override;
    void takeKlad(const GameState& s, int row, int col) override;
    void burnBrick(const GameState& s, int row, int col) override;
    void livesLabelUpdate(const GameState& s) override;
    void threadPlaysound(std::string_view event) override;
    void drawRegrowthFrame(const GameState& s, int row, int col, int v) override;

    // Forgets which animated frames are on the screen (after the whole
    // arena was drawn anew).
    void forgetShownFrames() { shownFrames_.fill(-1); }

private:
    QRegion sceneRegion(const GameState& s);

    AppContext& ctx_;
    TMainForm& form_;
    std::array<int, kRows * kCols> shownFrames_{};
    std::vector<QRect> rects_;
};

}  // namespace tamb
