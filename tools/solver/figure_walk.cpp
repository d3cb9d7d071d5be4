#include "tools/solver/figure_walk.h"

#include <algorithm>

#include "game/push_tables.h"
#include "tools/solver/block_reach.h"
#include "tools/solver/level_doors.h"
#include "tools/solver/move_runner.h"

namespace lorvix::solver {
namespace {

// ARROW_KEYS are right, left, up, down: direction codes 1 to 4.
int DirectionOfKey(int key) { return key + 1; }

// The pad the figure lands on when it steps onto `pad`: the rules carry it
// to every other pad of that code in board order, so it ends on the last.
int LastPartner(const TileGrid& board, int pad) {
  for (int cell = BOARD_CELLS - 1; cell >= 0; --cell)
    if (cell != pad && board[cell] == board[pad]) return cell;
  return -1;
}

}  // namespace

FigureWalk::FigureWalk(const LevelRecord& level) {
  if (OnBoard(level.Exit)) exitCell_ = CellIndex(level.Exit.col, level.Exit.row);
  for (int cell = 0; cell < BOARD_CELLS; ++cell) {
    for (int key = 0; key < static_cast<int>(ARROW_KEYS.size()); ++key)
      next_[cell][key] = static_cast<int16_t>(CellBeside(cell, DirectionOfKey(key)));
    fixedLanding_[cell] = static_cast<int16_t>(IsTeleporter(level.Board[cell]) ? LastPartner(level.Board, cell) : -1);
  }
  for (const LevelDoor& door : DoorsOf(level)) padsFixed_ = padsFixed_ && !IsTeleporter(level.Board[door.cell]);
}

int FigureWalk::PadLanding(const TileGrid& board, int pad) const {
  return padsFixed_ ? fixedLanding_[pad] : LastPartner(board, pad);
}

void FigureWalk::Reach(int cell, int from, int key, uint16_t walk) {
  if (distance_[cell] != UNREACHED) return;
  distance_[cell] = walk;
  cameFrom_[cell] = static_cast<int16_t>(from);
  keyFrom_[cell] = static_cast<uint8_t>(key);
  if (cell != exitCell_) queue_.push_back(cell);
}

void FigureWalk::Run(const TileGrid& board, int figureCell) {
  distance_.fill(UNREACHED);
  pushes_.clear();
  queue_.clear();
  distance_[figureCell] = 0;
  cameFrom_[figureCell] = -1;
  queue_.push_back(figureCell);
  for (size_t i = 0; i < queue_.size(); ++i) {
    const int cell = queue_[i];
    const uint16_t walk = distance_[cell];
    for (int key = 0; key < static_cast<int>(ARROW_KEYS.size()); ++key) {
      const int a = next_[cell][key];
      if (a < 0) continue;  // a bump at the edge of the board
      const int b = next_[a][key];
      const int32_t codeA = board[a];
      const int32_t codeB = b < 0 ? 0 : board[b];
      if (IsWalkable(codeA)) {
        Reach(a, cell, key, static_cast<uint16_t>(walk + 1));
      } else if (IsBlock(codeA) && IsTeleporter(codeB)) {
        pushes_.push_back({cell, key, walk});
      } else if (IsTeleporter(codeA)) {
        if (const int landing = PadLanding(board, a); landing >= 0)
          Reach(landing, cell, key, static_cast<uint16_t>(walk + 1));
      } else if (FindPushRule(PUSH_TABLE, codeA, codeB) != nullptr) {
        pushes_.push_back({cell, key, walk});
      }
    }
  }
}

std::string FigureWalk::WalkTo(int cell) const {
  std::string letters;
  for (int at = cell; cameFrom_[at] >= 0; at = cameFrom_[at]) letters += ARROW_LETTERS[keyFrom_[at]];
  std::reverse(letters.begin(), letters.end());
  return letters;
}

}  // namespace lorvix::solver
