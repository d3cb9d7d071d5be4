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

// A counter with limit k lets its action run on every (k+1)-th visit: below
// the limit it only counts up; at the limit it starts again from 0 and the
// action runs.
inline bool CounterFires(int& counter, int limit) {
  if (counter < limit) {
    ++counter;
    return false;
  }
  counter = 0;
  return true;
}

// Called whenever the window has no message waiting; does its work at most
// every 5 ms.
void GameTick(GameState& s, TickState& t, GameHost& host);

// The lamps, pillars, gears and exit, each on its own counter.
void AnimateTiles(GameState& s, TickState& t, GameHost& host);

// One step of a sliding block (runs when the slide counter fires).
void SlideStep(GameState& s, GameHost& host);

}  // namespace lorvix
