#pragma once
// The player's moves and the checks after them: deterministic functions over
// the level state. Side effects (sounds, redraws, level completion,
// navigation) are asked of the GameHost.

#include "game/game_host.h"
#include "game/game_state.h"

namespace lorvix {

// True when no square holds a crate, slider or plug that is not yet placed.
bool AllBlocksPlaced(const TileGrid& board);

// One key-down message of the game window (virtual-key code).
void TryMove(GameState& s, int key, GameHost& host);

// Moves the block next to the figure: plays the push sound, writes
// `leftBehind` into the adjacent square and `landed` into the square beyond
// it, then moves the figure with its glide. Does nothing unless both squares
// lie on the board.
void PushBlock(GameState& s, int dir, int leftBehind, int landed, GameHost& host);

// Mouse walking: a left click (client pixels) starts a walk, release stops it.
void MouseButtonDown(GameState& s, int x, int y, GameHost& host);
void MouseButtonUp(GameState& s);

// Exit, door to the exit and key/door pairs, after every move and slide step.
void CheckSquares(GameState& s, GameHost& host);

// One step back to the state of the most recent key press (F11).
void Undo(GameState& s, GameHost& host);
// Reloads the current level (F12).
void Retry(GameState& s, GameHost& host);
// Starts again at level 1 of the worlds file.
void RestartGame(GameState& s, GameHost& host);

}  // namespace lorvix
