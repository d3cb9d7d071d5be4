#pragma once
// What the squares of a level can ever hold, worked out once before a
// search from the level's starting codes. The answers are generous (they
// may name squares that never take a block or the figure) but never miss
// one: every other square keeps its starting code for the whole level.

#include <array>
#include <vector>

#include "levels/level_files.h"

namespace lorvix::solver {

using CellFlags = std::array<bool, BOARD_CELLS>;

struct LevelSquares {
  explicit LevelSquares(const LevelRecord& level);

  CellFlags doors{};           // door squares in use: they may open
  CellFlags blockMayEnter{};   // floor, sockets, water, blocks (which may move away) and doors
  CellFlags figureMayStand{};  // the start, walkable squares, pads, blocks and doors
};

// The square next to `cell` in direction `dir` (a direction code), or -1
// off the board.
int CellBeside(int cell, int dir);
// Right and left, up and down are the pairs 1-2 and 3-4.
inline int OppositeDirection(int dir) { return dir % 2 == 1 ? dir + 1 : dir - 1; }

// The squares that start with the same teleporter code as `cell`, other
// than `cell` itself, in board order; none for any other square.
std::vector<int> PadPartners(const TileGrid& board, int cell);

// The squares a crate, slider or plug may ever occupy.
CellFlags SquaresBlocksCanReach(const LevelRecord& level);

}  // namespace lorvix::solver
