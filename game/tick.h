#pragma once
// Everything that happens over time: the figure's glide, mouse walking,
// replays, sliding blocks and the tile animations, paced by the millisecond
// clock in steps of at least 5 ms.

#include <cstdint>

#include "game/game_host.h"
#include "game/game_state.h"

namespace lorvix {

// Program-wide counters of the game tick; they start once and are never
// reset when a level changes.
struct TickState {
  bool started = false;
  uint32_t lastTick = 0;
  int movementStep = 0;
  int replay = 0;
  int lamp = 0;
  int cycle = 0;
  int exit = 0;
  bool exitFalling = false;
  int slide = 0;
};

void GameTick(GameState& s, TickState& t, GameHost& host);

// One step of a sliding block (runs when the slide counter fires).
void SlideStep(GameState& s, GameHost& host);

}  // namespace lorvix
