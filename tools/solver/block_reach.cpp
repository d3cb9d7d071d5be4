#include "tools/solver/block_reach.h"

#include <vector>

#include "game/direction.h"
#include "tools/solver/level_doors.h"

namespace lorvix::solver {
namespace {

// A door square can turn into floor, so it may hold a block or the figure.
CellFlags DoorCells(const LevelRecord& level) {
  CellFlags doors{};
  for (const LevelDoor& door : DoorsOf(level)) doors[door.cell] = true;
  return doors;
}

// Squares a block can be pushed or slide onto: floor, sockets and water,
// blocks (which may move away) and doors (which may open).
bool CanTakeBlock(int32_t code, bool door) {
  return door || code == TILE_FLOOR || code == TILE_TARGET || code == TILE_WATER || IsBlock(code);
}

// Squares the figure may ever stand on to push.
bool CanHoldFigure(const TileGrid& board, const CellFlags& doors, Spot s) {
  if (!OnBoard(s)) return false;
  const int cell = CellIndex(static_cast<int>(s.col), static_cast<int>(s.row));
  const int32_t code = board[cell];
  return doors[cell] || IsWalkable(code) || IsTeleporter(code) || IsBlock(code);
}

// Right and left, up and down are the pairs 1-2 and 3-4.
int Opposite(int dir) { return dir % 2 == 1 ? dir + 1 : dir - 1; }

}  // namespace

// A block moves one square at a time in some direction, or comes out beside
// a partner pad when it enters a teleporter. Pushing needs the figure
// behind the block; a slider keeps going without it, so with sliders in the
// level that condition is dropped. Blocks of all kinds share one answer.
CellFlags SquaresBlocksCanReach(const LevelRecord& level) {
  const TileGrid& board = level.Board;
  const CellFlags doors = DoorCells(level);
  bool sliders = false;
  for (int32_t code : board) sliders = sliders || code == TILE_SLIDER || code == TILE_SLIDER_ON_TARGET;

  CellFlags reach{};
  std::vector<int> work;
  auto add = [&](Spot s) {
    if (!OnBoard(s)) return;
    const int cell = CellIndex(static_cast<int>(s.col), static_cast<int>(s.row));
    if (reach[cell] || !CanTakeBlock(board[cell], doors[cell])) return;
    reach[cell] = true;
    work.push_back(cell);
  };
  for (int cell = 0; cell < BOARD_CELLS; ++cell)
    if (IsBlock(board[cell])) add(SpotOfCell(cell));

  while (!work.empty()) {
    const Spot from = SpotOfCell(work.back());
    work.pop_back();
    for (int dir = DIR_RIGHT; dir <= DIR_DOWN; ++dir) {
      if (!sliders && !CanHoldFigure(board, doors, Step(from, Opposite(dir)))) continue;
      const Spot ahead = Step(from, dir);
      const int32_t aheadCode = CodeAt(board, ahead);
      if (!IsTeleporter(aheadCode)) {
        add(ahead);
        continue;
      }
      for (int cell = 0; cell < BOARD_CELLS; ++cell)
        if (board[cell] == aheadCode && SpotOfCell(cell) != ahead) add(Step(SpotOfCell(cell), dir));
    }
  }
  return reach;
}

}  // namespace lorvix::solver
