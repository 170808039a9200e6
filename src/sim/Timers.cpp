#include "Rules.h"

namespace tamb {

void KirpTick(GameState& s, GameHost& host) {
    if (s.Command == Command::Pause) return;
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kCols; ++c) {
            auto& state = s.CellStates[r * kCols + c];
            const int32_t v = state;
            if (!isHoleState(v)) continue;
            host.drawRegrowthFrame(s, r, c, v);
            if (v + 1 == kHoleRegrown) {
                state = kNoCellState;
                s.Cells[r * kCols + c] = Kirp;
            } else {
                state = v + 1;
            }
        }
    }
}

bool AnimationTick(GameState& s) {
    const GameResult result = s.GameResult;
    if (result == GameResult::ManKilled || result == GameResult::LevelPassed) return true;
    for (auto& state : s.CellStates) {
        int32_t v = state;
        const int32_t before = v;
        // The ranges lie apart and a cycled value stays in its own, so each
        // cell moves on by one frame.
        if (isGlitterState(v)) v = kGlitterStates.cycled(v);
        if (isWaterState(v)) v = kWaterStates.cycled(v);
        if (isExitDoorState(v)) v = kExitDoorStates.cycled(v);
        if (v != before) state = v;
    }
    return false;
}

}  // namespace tamb
