#include "tools/solver/exit_seal.h"

#include <array>
#include <vector>

namespace lorvix::solver {
namespace {

bool IsKeyDoor(const LevelRecord& level, Square s) {
  for (int i = 0; i < KEY_PAIRS; ++i)
    if (level.KeySquares[i].col != 0 && level.DoorSquares[i] == s) return true;
  return false;
}

// Walls stay walls, except the doors that keys open. Everything else may
// become walkable at some time: blocks move away, water gets filled. The
// door to the exit counts as a wall like any other, so it stops the figure
// only when it is one (not a pad, not an exit picture) and no key opens it.
bool MayEverStandOn(const LevelRecord& level, Square s) {
  if (IsKeyDoor(level, s)) return true;
  const int32_t code = level.Board[static_cast<size_t>(CellIndex(s.col, s.row))];
  return !IsClosedDoor(code) || IsTeleporter(code) || IsWalkable(code);
}

}  // namespace

bool ExitSealedByDoor(const LevelRecord& level) {
  if (!OnBoard(level.Start) || !OnBoard(level.Exit)) return false;
  std::array<bool, BOARD_CELLS> seen{};
  std::vector<Square> todo;
  auto visit = [&](Square s) {
    if (!OnBoard(s) || !MayEverStandOn(level, s)) return;
    bool& mark = seen[static_cast<size_t>(CellIndex(s.col, s.row))];
    if (mark) return;
    mark = true;
    todo.push_back(s);
  };
  // The figure stands on its start square whatever that holds.
  seen[static_cast<size_t>(CellIndex(level.Start.col, level.Start.row))] = true;
  todo.push_back(level.Start);
  while (!todo.empty()) {
    const Square s = todo.back();
    todo.pop_back();
    visit({s.col + 1, s.row});
    visit({s.col - 1, s.row});
    visit({s.col, s.row + 1});
    visit({s.col, s.row - 1});
    // A pad carries the figure to every other pad of its colour.
    const int32_t code = level.Board[static_cast<size_t>(CellIndex(s.col, s.row))];
    if (!IsTeleporter(code)) continue;
    for (int c = 0; c < BOARD_COLS; ++c)
      for (int r = 0; r < BOARD_ROWS; ++r)
        if (level.Board[static_cast<size_t>(CellIndex(c, r))] == code) visit({c, r});
  }
  return !seen[static_cast<size_t>(CellIndex(level.Exit.col, level.Exit.row))];
}

}  // namespace lorvix::solver
