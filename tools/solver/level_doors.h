#pragma once
// The door squares of a level as the checks after each move see them: the
// door to the exit and every key/door pair in use, each with the slot that
// keeps its wall code while it stands open. Doors outside the board are
// never opened or closed, so they are left out.

#include <vector>

#include "levels/level_files.h"

namespace lorvix::solver {

// Slots 0 to 4 are the key/door pairs, slot 5 the door to the exit.
inline constexpr int EXIT_DOOR_SLOT = KEY_PAIRS;
inline constexpr int DOOR_SLOTS = KEY_PAIRS + 1;

struct LevelDoor {
  int cell;
  int slot;
};

inline std::vector<LevelDoor> DoorsOf(const LevelRecord& level) {
  std::vector<LevelDoor> doors;
  for (int i = 0; i < KEY_PAIRS; ++i) {
    const Square door = level.DoorSquares[i];
    if (level.KeySquares[i].col != 0 && OnBoard(door)) doors.push_back({CellIndex(door.col, door.row), i});
  }
  if (OnBoard(level.ExitDoor))
    doors.push_back({CellIndex(level.ExitDoor.col, level.ExitDoor.row), EXIT_DOOR_SLOT});
  return doors;
}

}  // namespace lorvix::solver
