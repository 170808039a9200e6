#include "CellTests.h"
#include "RulesInternal.h"

namespace tamb {

namespace {

// Climbing ends on a column: after a step up or down off the column, the man
// is put on the column whose cell in the row below is a ladder.
void SnapToStairs(GameState& s) {
    const Command cmd = s.Command;
    if (Around(s.ManY, s.ManX).dx == 0) return;
    if (!((cmd == Command::Up && ManCanGoUp(s)) || (cmd == Command::Down && ManCanGoDown(s)))) return;
    {
        const Around a(s.ManY, s.ManX);
        if (s.cell(a.row + 1, a.col) == Stairs) s.ManX = a.col * kCellSize;
    }
    const Around a(s.ManY, s.ManX);
    if (s.cell(a.row + 1, a.col + 1) == Stairs) s.ManX = (a.col + 1) * kCellSize;
}

// A man walking into a wall off a row is put on the row. Both directions
// look at the cells on his left.
void SnapToRow(GameState& s) {
    const Around a(s.ManY, s.ManX);
    const int32_t left = s.cell(a.row, a.col - 1);
    const int32_t belowLeft = s.cell(a.row + 1, a.col - 1);
    if (a.dx != 0) return;
    const Command cmd = s.Command;
    const bool blocked = (cmd == Command::Left && !CanGoLeft(s, s.ManY, s.ManX)) ||
                         (cmd == Command::Right && !CanGoRight(s, s.ManY, s.ManX));
    if (!blocked) return;
    if (isPassable(belowLeft) && a.dy > 10) s.ManY = (a.row + 1) * kCellSize;
    const Around b(s.ManY, s.ManX);
    if (isPassable(left) && b.dy < 10) s.ManY = b.row * kCellSize;
}

void Burn(GameState& s, GameHost& host) {
    if (!CanFire(s)) return;
    const int dx = Around(s.ManY, s.ManX).dx;
    const Facing facing = s.ManFacing;
    if (facing == Facing::Right) {
        s.FireOffset = dx < 10 ? 1 : 2;
        BurnBrick(s, host);
    } else if (facing == Facing::Left) {
        s.FireOffset = dx <= 10 ? -1 : 0;
        BurnBrick(s, host);
    }
}

}  // namespace

void ManStep(GameState& s, GameHost& host) {
    // Falling.
    if (s.ManFalling) {
        s.ManY += 4;
        if (s.ManY == kFallOutY) {
            s.ManFalling = false;
            s.ManLetGo = false;
            KillMan(s, host, DeathReason::OutOfScreen);
            return;
        }
        DrawScene(s, host);
    }

    // Level end, then deadly cells.
    if (s.KladsLeft == 0 && s.ManX == s.OutDoorX && s.ManY == s.OutDoorY) {
        PassLevel(s, host);
        return;
    }
    if (IsDeadly(s, s.ManY, s.ManX)) {
        KillMan(s, host, DeathReason::Killed);
        return;
    }

    // Treasure: taken when aligned with its column, at any height.
    {
        const Around a(s.ManY, s.ManX);
        if (s.cell(a.row, a.col) == Klad && a.dx == 0) TakeKlad(s, host, a.row, a.col);
    }

    // Fall test.
    if (MustFall(s, s.ManY, s.ManX, s.ManLetGo) && NoTrappedShetsBelow(s)) {
        s.ManFalling = true;
        return;
    }
    s.ManFalling = false;
    s.ManLetGo = false;

    // Gum: one move in two ticks, the frames go on every tick.
    if (InGum(s, s.ManY, s.ManX)) {
        ++s.GumCount;
        if (s.GumCount == 2) {
            s.GumCount = 0;
        } else {
            DrawScene(s, host);
            return;
        }
    }

    if (s.Command == Command::Down && ManCanLetGo(s)) {
        s.ManFalling = true;
        s.ManLetGo = true;
        return;
    }

    if (s.Command == Command::Left) s.ManFacing = Facing::Left;
    if (s.Command == Command::Right) s.ManFacing = Facing::Right;

    if (s.Command == Command::Left && CanGoLeft(s, s.ManY, s.ManX)) {
        s.ManX -= 4;
        s.ManFacing = Facing::Left;
    }
    if (s.Command == Command::Right && CanGoRight(s, s.ManY, s.ManX)) {
        s.ManX += 4;
        s.ManFacing = Facing::Right;
    }
    if (s.Command == Command::Down && ManCanGoDown(s)) s.ManY += 4;
    if (s.Command == Command::Up && ManCanGoUp(s)) s.ManY -= 4;

    Burn(s, host);
    SnapToStairs(s);
    SnapToRow(s);
    DrawScene(s, host);
}

}  // namespace tamb
