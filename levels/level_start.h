#pragma once
// The state every level load leaves behind, whatever file the level came
// from.

#include "game/game_state.h"
#include "levels/level_files.h"

namespace lorvix {

// Puts the level into the state and starts it afresh: the figure on the
// start square, the undo copy equal to the board and the start, no undo
// step available, move counter and move list position 0, no replay. The
// mode flags, the level number, the record and the slide, glide and door
// fields are the caller's business.
void StartLevel(GameState& s, const LevelRecord& level);

// The board after a failed load: plain floor, no figure, exit or door on
// it, no key pairs, nothing to undo or replay and no slide; NoLevel set, so
// that no key can solve anything until a level loads.
void ShowNoLevel(GameState& s);

}  // namespace lorvix
