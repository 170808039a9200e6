#include "CellTests.h"
#include "Rules.h"
#include "RulesInternal.h"

namespace tamb {

void AdvanceManAnimation(GameState& s) {
    const int y = s.ManY;
    const int x = s.ManX;
    const Command cmd = s.Command;
    const bool falling = s.ManFalling;
    const bool canLeft = CanGoLeft(s, y, x);
    const bool canRight = CanGoRight(s, y, x);
    const bool canUp = ManCanGoUp(s);
    const bool canDown = ManCanGoDown(s);
    const bool onRope = OnRope(s, y, x);
    const bool climbBlocked = (cmd == Command::Down && !canDown) || (cmd == Command::Up && !canUp);
    const bool sideways = cmd == Command::Right || cmd == Command::Left;
    const bool vertical = cmd == Command::Up || cmd == Command::Down;

    int frame = s.ManFrame;
    if ((canLeft && canRight && cmd != Command::Stop) || falling) {
        ++frame;
    } else if (!climbBlocked) {
        frame = 1;
    }
    if (onRope && frame > 6) frame = 1;
    if (sideways && frame > 12) frame = 1;
    if (vertical && frame > 10) frame = 1;
    if (falling && frame > 8) frame = 1;
    if (climbBlocked) frame = 1;

    Facing facing = s.ManFacing;
    if (facing == Facing::FireLeft) facing = Facing::Left;
    if (facing == Facing::FireRight) facing = Facing::Right;
    if (cmd == Command::Fire) frame = 1;

    int row = s.ManSpriteRow;
    // The fire pose marks the burn as done, so a held "fire" burns once.
    const bool canFire = CanFire(s);
    if (facing == Facing::Right && canFire) {
        row = kManStandStrip;
        facing = Facing::FireRight;
    }
    if (facing == Facing::Left && canFire) {
        frame = 2;
        row = kManStandStrip;
        facing = Facing::FireLeft;
    }
    if (cmd == Command::Left || facing == Facing::Left) row = kManLeftStrip;
    if (cmd == Command::Right || facing == Facing::Right) row = kManRightStrip;
    if ((cmd == Command::Up && canUp) || (cmd == Command::Down && canDown)) row = kManClimbStrip;
    {
        const Around a(y, x);
        if (s.cell(a.row, a.col) == Stairs && a.dx == 0) row = kManClimbStrip;
    }
    if (cmd == Command::Right && !canRight) {
        row = kManStandStrip;
        frame = 1;
    }
    if (cmd == Command::Left && !canLeft) {
        row = kManStandStrip;
        frame = 2;
    }
    if (onRope && (cmd == Command::Right || facing == Facing::Right)) row = kManRopeRightStrip;
    if (onRope && (cmd == Command::Left || facing == Facing::Left)) row = kManRopeLeftStrip;
    if (falling) row = kManFallingStrip;

    s.ManFrame = frame;
    s.ManFacing = facing;
    s.ManSpriteRow = row;
}

void AdvanceShetsAnimation(GameState& s, int i) {
    const int y = s.ShetsY[i];
    const int x = s.ShetsX[i];
    const Direction dir = s.ShetsDirection[i];
    const Facing facing = s.ShetsFacing[i];
    const bool falling = s.ShetsFalling[i];
    const bool canLeft = CanGoLeft(s, y, x);
    const bool canRight = CanGoRight(s, y, x);
    const bool canUp = ShetsCanGoUp(s, y, x);
    const bool canDown = ShetsCanGoDown(s, y, x);
    const bool onRope = OnRope(s, y, x);
    const bool climbBlocked = (dir == Direction::Down && !canDown) || (dir == Direction::Up && !canUp);
    const bool sideways = dir == Direction::Right || dir == Direction::Left;
    const bool vertical = dir == Direction::Up || dir == Direction::Down;
    const bool goesLeft = dir == Direction::Left || facing == Facing::Left;
    const bool goesRight = dir == Direction::Right || facing == Facing::Right;

    int frame = s.ShetsFrame[i];
    if ((canLeft && canRight && dir != Direction::Stop) || falling) {
        ++frame;
    } else if (!climbBlocked) {
        frame = 1;
    }
    if (onRope && frame > 6) frame = 1;
    if (sideways && frame > 12) frame = 1;
    if (vertical && frame > 10) frame = 1;
    if (falling && frame > 8) frame = 2;
    if (climbBlocked) frame = 1;

    int row = s.ShetsSpriteRow[i];
    if (goesLeft && !falling) row = kShetsLeftStrip;
    if (goesRight && !falling) row = kShetsRightStrip;
    if ((dir == Direction::Up && canUp) || (dir == Direction::Down && canDown)) row = kShetsClimbStrip;
    if (s.cell(y / kCellSize, x / kCellSize) == Stairs && x % kCellSize == 0) row = kShetsClimbStrip;
    if (dir == Direction::Right && !canRight && !falling) {
        row = kShetsBlockedStrip;
        frame = 1;
    }
    if (dir == Direction::Left && !canLeft && !falling) {
        row = kShetsBlockedStrip;
        frame = 2;
    }
    if (onRope && !falling && goesRight) row = kShetsRopeRightStrip;
    if (onRope && !falling && goesLeft) row = kShetsRopeLeftStrip;
    if (falling) row = kShetsFallingStrip;

    s.ShetsFrame[i] = frame;
    s.ShetsSpriteRow[i] = row;
}

void AdvanceSceneAnimation(GameState& s) {
    AdvanceManAnimation(s);
    const int n = s.ShetsCount;
    for (int i = 0; i < n; ++i) AdvanceShetsAnimation(s, i);
}

}  // namespace tamb
