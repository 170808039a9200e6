#include "CellTests.h"
#include "RulesInternal.h"

namespace tamb {

namespace {

void BackToDoor(GameState& s, int i) {
    s.ShetsX[i] = static_cast<int32_t>(s.ShetsStartX);
    s.ShetsY[i] = static_cast<int32_t>(s.ShetsStartY);
}

// No path search: the devil wants to get level with the man first by the
// ladders, then to reach his column.
Direction ChooseDirection(const GameState& s, int y, int x) {
    const int manX = s.ManX;
    const int manY = s.ManY;
    if (y < manY && ShetsCanGoDown(s, y, x) && NoShetsBelow(s, y, x)) return Direction::Down;
    if (y > manY && ShetsCanGoUp(s, y, x) && NoShetsAbove(s, y, x)) return Direction::Up;
    if (x < manX && NoShetsRight(s, y, x)) return Direction::Right;
    if (x > manX && NoShetsLeft(s, y, x)) return Direction::Left;
    return Direction::Stop;
}

}  // namespace

void ShetsStep(GameState& s, GameHost& host, int i) {
    if (s.ShetsFalling[i]) {
        s.ShetsY[i] += 2;
        if (s.ShetsY[i] == kFallOutY) {
            // Fell out of the arena: back at the door.
            s.ShetsFalling[i] = false;
            s.ShetsLetGo[i] = false;
            host.threadPlaysound("ShetsAlive");
            BackToDoor(s, i);
        }
    }

    if (IsDeadly(s, s.ShetsY[i], s.ShetsX[i])) {
        RestoreAround(s, host, s.ShetsX[i], s.ShetsY[i]);
        host.threadPlaysound("ShetsAlive");
        BackToDoor(s, i);
    }

    {
        const int x = s.ShetsX[i];
        const int y = s.ShetsY[i];
        const int manX = s.ManX;
        const int manY = s.ManY;
        if (x - 6 < manX && manX < x + 6 && y - 16 < manY && manY < y + 16) KillMan(s, host, DeathReason::Catched);
    }

    int x = s.ShetsX[i];
    int y = s.ShetsY[i];
    if (MustFall(s, y, x, s.ShetsLetGo[i]) && NoShetsBelow(s, y, x)) {
        s.ShetsFalling[i] = true;
        return;
    }
    s.ShetsFalling[i] = false;
    s.ShetsLetGo[i] = false;

    const Direction dir = ChooseDirection(s, y, x);
    s.ShetsDirection[i] = dir;

    // A devil hanging on a rope above the man lets go at once.
    if (s.cell(y / kCellSize, x / kCellSize) == Roupe && y < s.ManY) {
        s.ShetsLetGo[i] = true;
        s.ShetsFalling[i] = true;
        return;
    }

    if (dir == Direction::Left && CanGoLeft(s, y, x)) {
        x -= 2;
        s.ShetsX[i] = x;
        s.ShetsFacing[i] = Facing::Left;
    }
    if (dir == Direction::Right && CanGoRight(s, y, x)) {
        x += 2;
        s.ShetsX[i] = x;
        s.ShetsFacing[i] = Facing::Right;
    }
    if (dir == Direction::Down && ShetsCanGoDown(s, y, x)) s.ShetsY[i] = y + 2;
    if (dir == Direction::Up && ShetsCanGoUp(s, y, x)) s.ShetsY[i] = y - 2;
}

}  // namespace tamb
