#pragma once
// The four directions of the rules: which way a square lies, and how far the
// figure's picture is shifted back after it moved that way (the glide that
// the game tick runs down to 0).

#include <array>

#include "game/board.h"

namespace lorvix {

struct DirectionStep {
  int dcol;
  int drow;
  int glideX;
  int glideY;
};

// Indexed by direction code; entry 0 is no direction.
inline constexpr std::array<DirectionStep, 5> DIRECTION_STEPS{{
    {0, 0, 0, 0},
    {+1, 0, -32, 0},  // DIR_RIGHT
    {-1, 0, +32, 0},  // DIR_LEFT
    {0, -1, 0, +32},  // DIR_UP
    {0, +1, 0, -32},  // DIR_DOWN
}};

inline constexpr bool IsDirection(int dir) { return dir >= DIR_RIGHT && dir <= DIR_DOWN; }
inline constexpr bool IsHorizontal(int dir) { return dir == DIR_RIGHT || dir == DIR_LEFT; }

// The square next to `from` in direction `dir` (which must be a direction).
inline constexpr Spot Step(Spot from, int dir) {
  const DirectionStep& d = DIRECTION_STEPS[dir];
  return {from.col + d.dcol, from.row + d.drow};
}

}  // namespace lorvix
