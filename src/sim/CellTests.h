#pragma once
#include "GameState.h"

namespace tamb {

// The neighbourhood of a body at pixel (X, Y): its cell, its offsets in the
// cell and the cells around it. Division truncates, as the cell of a body
// that climbed above row 0 must stay row 0.
struct Around {
    int row, col, dx, dy;
    Around(int y, int x) : row(y / kCellSize), col(x / kCellSize), dx(x % kCellSize), dy(y % kCellSize) {}
};

// Cell tests shared by the man and the devils (Y first, as the rules write them).
bool CanGoLeft(const GameState& s, int y, int x);
bool CanGoRight(const GameState& s, int y, int x);
bool MustFall(const GameState& s, int y, int x, bool letGo);
bool IsDeadly(const GameState& s, int y, int x);

// Tests of the man alone, at (ManY, ManX).
bool ManCanGoDown(const GameState& s);
bool ManCanGoUp(const GameState& s);
bool ManCanLetGo(const GameState& s);
bool CanFire(const GameState& s);
bool InGum(const GameState& s, int y, int x);
bool NoTrappedShetsBelow(const GameState& s);

// Tests of the devils.
bool ShetsCanGoDown(const GameState& s, int y, int x);
bool ShetsCanGoUp(const GameState& s, int y, int x);
bool NoShetsBelow(const GameState& s, int y, int x);
bool NoShetsAbove(const GameState& s, int y, int x);
bool NoShetsLeft(const GameState& s, int y, int x);
bool NoShetsRight(const GameState& s, int y, int x);

// "On a rope" for the animation: cur is a rope, or right is one and the
// body reaches into it.
bool OnRope(const GameState& s, int y, int x);

}  // namespace tamb
