#include "tools/solver/block_reach.h"

#include "game/direction.h"
#include "tools/solver/level_doors.h"

namespace lorvix::solver {
namespace {

bool Flag(const CellFlags& flags, Spot s) {
  return OnBoard(s) && flags[CellIndex(static_cast<int>(s.col), static_cast<int>(s.row))];
}

}  // namespace

// The figure may also stand on its start square whatever code it holds, and
// push from there.
LevelSquares::LevelSquares(const LevelRecord& level) {
  for (const LevelDoor& door : DoorsOf(level)) doors[door.cell] = true;
  for (int cell = 0; cell < BOARD_CELLS; ++cell) {
    const int32_t code = level.Board[cell];
    blockMayEnter[cell] =
        doors[cell] || code == TILE_FLOOR || code == TILE_TARGET || code == TILE_WATER || IsBlock(code);
    figureMayStand[cell] = doors[cell] || IsWalkable(code) || IsTeleporter(code) || IsBlock(code);
  }
  if (OnBoard(level.Start)) figureMayStand[CellIndex(level.Start.col, level.Start.row)] = true;
}

int CellBeside(int cell, int dir) {
  const Spot s = Step(SpotOfCell(cell), dir);
  return OnBoard(s) ? CellIndex(static_cast<int>(s.col), static_cast<int>(s.row)) : -1;
}

std::vector<int> PadPartners(const TileGrid& board, int cell) {
  std::vector<int> partners;
  if (!IsTeleporter(board[cell])) return partners;
  for (int other = 0; other < BOARD_CELLS; ++other)
    if (other != cell && board[other] == board[cell]) partners.push_back(other);
  return partners;
}

// A block moves one square at a time in some direction, or comes out beside
// a partner pad when it enters a teleporter. Pushing needs the figure
// behind the block; a slider keeps going without it, so with sliders in the
// level that condition is dropped. Blocks of all kinds share one answer.
CellFlags SquaresBlocksCanReach(const LevelRecord& level) {
  const TileGrid& board = level.Board;
  const LevelSquares squares(level);
  bool sliders = false;
  for (int32_t code : board) sliders = sliders || code == TILE_SLIDER || code == TILE_SLIDER_ON_TARGET;

  CellFlags reach{};
  std::vector<int> work;
  auto add = [&](Spot s) {
    if (!Flag(squares.blockMayEnter, s)) return;
    const int cell = CellIndex(static_cast<int>(s.col), static_cast<int>(s.row));
    if (reach[cell]) return;
    reach[cell] = true;
    work.push_back(cell);
  };
  for (int cell = 0; cell < BOARD_CELLS; ++cell)
    if (IsBlock(board[cell])) add(SpotOfCell(cell));

  while (!work.empty()) {
    const Spot from = SpotOfCell(work.back());
    work.pop_back();
    for (int dir = DIR_RIGHT; dir <= DIR_DOWN; ++dir) {
      if (!sliders && !Flag(squares.figureMayStand, Step(from, OppositeDirection(dir)))) continue;
      const Spot ahead = Step(from, dir);
      if (!OnBoard(ahead)) continue;
      const int aheadCell = CellIndex(static_cast<int>(ahead.col), static_cast<int>(ahead.row));
      add(ahead);
      for (int partner : PadPartners(board, aheadCell)) add(Step(SpotOfCell(partner), dir));
    }
  }
  return reach;
}

}  // namespace lorvix::solver
