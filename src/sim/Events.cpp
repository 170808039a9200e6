#include "CellTests.h"
#include "Rules.h"
#include "RulesInternal.h"

namespace tamb {

void DrawScene(GameState& s, GameHost& host) {
    AdvanceSceneAnimation(s);
    host.drawScene(s);
}

void RestoreAround(GameState& s, GameHost& host, int x, int y) {
    s.RedrawX = x;
    s.RedrawY = y;
    host.restoreAround(s);
}

void KillMan(GameState& s, GameHost& host, DeathReason reason) {
    if (s.Lives > 0) {
        switch (reason) {
            case DeathReason::OutOfScreen: host.threadPlaysound("OutOfScreen"); break;
            case DeathReason::Killed: host.threadPlaysound("GoodMorning"); break;
            case DeathReason::Catched: host.threadPlaysound("ManCatched"); break;
        }
    }
    RestoreAround(s, host, s.ManX, s.ManY);
    if (s.Lives == 0) {
        // The man stays where he died; the scene no longer draws him.
        host.threadPlaysound("GameOver");
        s.Command = Command::Exit;
        s.GameResult = GameResult::ManKilled;
        return;
    }
    s.ManFalling = false;
    s.ManLetGo = false;
    s.ManY = s.ManStartY;
    s.ManX = s.ManStartX;
    --s.Lives;
    host.livesLabelUpdate(s);
}

void PassLevel(GameState& s, GameHost& host) {
    host.threadPlaysound("LevelPassed");
    s.Command = Command::Exit;
    s.GameResult = GameResult::LevelPassed;
    ++s.LevelNumber;
}

void TakeKlad(GameState& s, GameHost& host, int row, int col) {
    host.threadPlaysound(s.KladsLeft > 1 ? "Klad" : "DoorAppears");
    s.setCell(row, col, Empty);
    s.setCellState(row, col, kNoCellState);
    --s.KladsLeft;
    host.takeKlad(s, row, col);
    if (s.KladsLeft == 0) s.setCellState(s.OutDoorY / kCellSize, s.OutDoorX / kCellSize, kExitDoorStates.first);
}

void BurnBrick(GameState& s, GameHost& host) {
    const Around a(s.ManY, s.ManX);
    const int row = a.row + 1;
    const int col = a.col + s.FireOffset;
    if (s.cell(row, col) != Kirp) return;
    host.threadPlaysound("Fire");
    s.setCell(row, col, Empty);
    s.setCellState(row, col, kHoleStates.first);
    host.burnBrick(s, row, col);
}

}  // namespace tamb
