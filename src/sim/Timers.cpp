#include "Rules.h"

namespace tamb {

void KirpTick(GameState& s, GameHost& host) {
    if (s.Command == Command::Pause) return;
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kCols; ++c) {
            auto& state = s.CellStates[r * kCols + c];
            const int32_t v = state;
            if (v < 1 || v > 18) continue;
            host.drawRegrowthFrame(s, r, c, v);
            if (v + 1 == 19) {
                state = 0;
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
        if (v >= 20 && v <= 30) v = v + 1 == 31 ? 20 : v + 1;
        if (v >= 40 && v <= 55) v = v + 1 == 56 ? 40 : v + 1;
        if (v >= 60 && v <= 63) v = v + 1 == 64 ? 60 : v + 1;
        if (v != before) state = v;
    }
    return false;
}

}  // namespace tamb
