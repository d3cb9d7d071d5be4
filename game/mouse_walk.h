#pragma once
// Mouse walking as the game tick drives it.

#include "game/game_host.h"
#include "game/game_state.h"

namespace lorvix {

// One movement step of a mouse walk: ends a walk that has reached the
// clicked square, then, if the figure was at rest when the tick began,
// moves it one square towards the click.
void MouseWalkStep(GameState& s, bool wasAtRest, GameHost& host);

}  // namespace lorvix
