#pragma once
// A small level with something in every field, for format and play tests:
// a stone frame, the start at (2, 7), a crate at (4, 7) in front of a target
// socket at (6, 7), the door to the exit at (17, 7) and the exit at (18, 7);
// pair 1 has its key on the socket and its door at (10, 3).

#include "game/tiles.h"
#include "levels/level_files.h"

namespace lorvix::testing {

inline void Put(LevelRecord& level, int col, int row, int32_t code) {
  level.Board[CellIndex(col, row)] = code;
}

inline LevelRecord SampleLevel() {
  LevelRecord level;
  for (int col = 0; col < BOARD_COLS; ++col)
    for (int row = 0; row < BOARD_ROWS; ++row) {
      const bool edge = col == 0 || row == 0 || col == BOARD_COLS - 1 || row == BOARD_ROWS - 1;
      Put(level, col, row, edge ? TILE_WALL_STONE : TILE_FLOOR);
    }
  Put(level, 4, 7, TILE_CRATE);
  Put(level, 6, 7, TILE_TARGET);
  Put(level, 10, 3, TILE_WALL_BLUE);
  Put(level, 17, 7, TILE_WALL_BROWN);
  Put(level, 18, 7, TILE_EXIT);
  level.KeySquares[0] = {6, 7};
  level.DoorSquares[0] = {10, 3};
  level.Start = {2, 7};
  level.Exit = {18, 7};
  level.ExitDoor = {17, 7};
  return level;
}

}  // namespace lorvix::testing
