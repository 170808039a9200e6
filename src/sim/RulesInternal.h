#pragma once
#include "GameHost.h"
#include "GameState.h"

namespace tamb {

// Steps of the game thread's tick, in the order RunTick runs them.
void ShetsStep(GameState& s, GameHost& host, int slot);  // slot 0-based
void ManStep(GameState& s, GameHost& host);

// Death reasons of the man.
enum class DeathReason : uint8_t { OutOfScreen, Killed, Catched };

// Events of the level.
void KillMan(GameState& s, GameHost& host, DeathReason reason);
void PassLevel(GameState& s, GameHost& host);
void TakeKlad(GameState& s, GameHost& host, int row, int col);
void BurnBrick(GameState& s, GameHost& host);

// The scene step: the animation frames move on, then the host repaints.
void DrawScene(GameState& s, GameHost& host);
// Repaint around (x, y) after the body there vanished.
void RestoreAround(GameState& s, GameHost& host, int x, int y);

// The animation halves of the scene step.
void AdvanceManAnimation(GameState& s);
void AdvanceShetsAnimation(GameState& s, int slot);

}  // namespace tamb
