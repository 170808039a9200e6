#pragma once
#include "GameHost.h"
#include "GameLevel.h"
#include "GameState.h"

namespace tamb {

// Entry points of the rules used by the game screen, the game thread and
// the headless runner. All of them are deterministic functions of the state.

// Fills the state from a level as level setup does (everything but the
// drawing): counters, man, devils, doors, grid, CellStates (the first
// glitter frame for Klad, the first water frame for Water), Lives 3,
// Command "stop", GameResult "normal".
void SetUpLevelState(GameState& s, const GameLevel& level);

// One pass of the game thread's loop after its wait: nothing while
// "pause"; "UserKillsMan"; else every devil's step, then the man's step.
// It does not look for "exit": the caller leaves its loop on "exit" before
// the wait, and keeps calling while "pause" holds (each call does nothing).
// Drawing goes out as host.drawScene (after AdvanceSceneAnimation),
// host.restoreAround (RedrawX/RedrawY set), host.takeKlad (KladsLeft already
// counted down), host.burnBrick, host.livesLabelUpdate and sound events.
void RunTick(GameState& s, GameHost& host);

// The state half of the scene step: the man's animation, then each devil's.
void AdvanceSceneAnimation(GameState& s);

// The brick timer: unless "pause", every hole grows one frame
// (host.drawRegrowthFrame) and a full brick becomes Kirp again.
void KirpTick(GameState& s, GameHost& host);

// The animation timer: returns true when GameResult says the game ended
// (the caller then begins the next level); otherwise advances the frames of
// treasures, water and the exit door and returns false.
bool AnimationTick(GameState& s);

// Timing derived from GameDelay (10000010 - 100000 * speed).
constexpr int TickPeriodMs(int gameDelay) { return 30 + gameDelay / 200000; }
constexpr int KirpIntervalMs(int gameDelay) { return 300 + gameDelay / 2000; }
constexpr int GameDelayForSpeed(int speed) { return 10000010 - 100000 * speed; }
constexpr int kAnimationIntervalMs = 100;

}  // namespace tamb
