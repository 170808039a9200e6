#include "Rules.h"

namespace tamb {

namespace {
int pixels(int cells) { return cells * kCellSize; }
}  // namespace

void SetUpLevelState(GameState& s, const GameLevel& level) {
    s.Command = Command::Stop;
    s.ManX = pixels(level.man.col);
    s.ManY = pixels(level.man.row);
    s.ManFalling = false;
    s.ManLetGo = false;
    s.Lives = 3;
    s.GumCount = 0;
    s.ManStartY = pixels(level.manDoor.row);
    s.ManStartX = pixels(level.manDoor.col);
    s.ShetsStartY = pixels(level.shetsDoor.row);
    s.ShetsStartX = pixels(level.shetsDoor.col);
    s.OutDoorY = pixels(level.outDoor.row);
    s.OutDoorX = pixels(level.outDoor.col);

    // The devil tables hold kMaxShets; later devils of a level are dropped.
    const int count = level.shets.size() > static_cast<size_t>(kMaxShets) ? kMaxShets
                                                                            : static_cast<int>(level.shets.size());
    s.ShetsCount = count;
    for (int k = 0; k < count; ++k) {
        s.ShetsX[k] = pixels(level.shets[k].col);
        s.ShetsY[k] = pixels(level.shets[k].row);
        s.ShetsFrame[k] = 0;
        s.ShetsFalling[k] = false;
        s.ShetsLetGo[k] = false;
        s.ShetsDirection[k] = Direction::Stop;
    }

    int klads = 0;
    for (int i = 0; i < kRows * kCols; ++i) {
        const int32_t code = level.cells[i];
        s.Cells[i] = code;
        int32_t state = kNoCellState;
        if (code == Klad) {
            ++klads;
            state = kGlitterStates.first;
        } else if (code == Water) {
            state = kWaterStates.first;
        }
        s.CellStates[i] = state;
    }
    s.KladsLeft = klads;
    s.GameResult = GameResult::Normal;
}

}  // namespace tamb
