#include "tools/solver/lower_bound.h"

#include <algorithm>
#include <functional>

#include "tools/solver/block_reach.h"
#include "tools/solver/level_doors.h"

namespace lorvix::solver {
namespace {

inline constexpr uint16_t FAR = LowerBound::HOPELESS;

// Moves of one kind in the relaxed level: from each square, the squares one
// move can take the figure or a block to.
using Moves = std::array<std::vector<int>, BOARD_CELLS>;

void AddMove(Moves& moves, int from, int to) {
  std::vector<int>& targets = moves[from];
  if (std::find(targets.begin(), targets.end(), to) == targets.end()) targets.push_back(to);
}

// Whatever enters a pad comes out at a partner pad: the figure on the pad
// itself, a block on the square beyond it. A door may open on a pad's square,
// so the square itself stays a way too.
void ForEachEntry(const TileGrid& board, int cell, int dir, bool beyond, const std::function<void(int)>& visit) {
  visit(cell);
  for (int partner : PadPartners(board, cell)) {
    const int landing = beyond ? CellBeside(partner, dir) : partner;
    if (landing >= 0) visit(landing);
  }
}

// The figure steps to a neighbouring square, or is carried from a pad.
Moves FigureMoves(const LevelRecord& level, const LevelSquares& squares) {
  Moves moves;
  for (int cell = 0; cell < BOARD_CELLS; ++cell) {
    if (!squares.figureMayStand[cell]) continue;
    for (int dir = DIR_RIGHT; dir <= DIR_DOWN; ++dir) {
      const int ahead = CellBeside(cell, dir);
      if (ahead < 0) continue;
      ForEachEntry(level.Board, ahead, dir, false, [&](int to) {
        if (squares.figureMayStand[to]) AddMove(moves, cell, to);
      });
    }
  }
  return moves;
}

bool PushableFrom(const LevelSquares& squares, int cell, int dir) {
  const int behind = CellBeside(cell, OppositeDirection(dir));
  return behind >= 0 && squares.figureMayStand[behind];
}

// A crate or plug moves one square per push, or through a pad.
Moves CrateMoves(const LevelRecord& level, const LevelSquares& squares) {
  Moves moves;
  for (int cell = 0; cell < BOARD_CELLS; ++cell) {
    if (!squares.blockMayEnter[cell]) continue;
    for (int dir = DIR_RIGHT; dir <= DIR_DOWN; ++dir) {
      const int ahead = CellBeside(cell, dir);
      if (ahead < 0 || !PushableFrom(squares, cell, dir)) continue;
      ForEachEntry(level.Board, ahead, dir, true, [&](int to) {
        if (squares.blockMayEnter[to]) AddMove(moves, cell, to);
      });
    }
  }
  return moves;
}

// A pushed slider runs on through pads until something stops it, which may
// happen on any square of its way (the stopper may be a block that moves
// later), or until it sinks in water. All of that is one move.
Moves SliderMoves(const LevelRecord& level, const LevelSquares& squares) {
  Moves moves;
  for (int cell = 0; cell < BOARD_CELLS; ++cell) {
    if (!squares.blockMayEnter[cell]) continue;
    for (int dir = DIR_RIGHT; dir <= DIR_DOWN; ++dir) {
      if (!PushableFrom(squares, cell, dir)) continue;
      std::array<bool, BOARD_CELLS> passed{};
      std::vector<int> way{cell};
      while (!way.empty()) {
        const int from = way.back();
        way.pop_back();
        const int ahead = CellBeside(from, dir);
        if (ahead < 0) continue;
        ForEachEntry(level.Board, ahead, dir, true, [&](int to) {
          if (!squares.blockMayEnter[to] || passed[to]) return;
          passed[to] = true;
          AddMove(moves, cell, to);
          if (level.Board[to] != TILE_WATER) way.push_back(to);
        });
      }
    }
  }
  return moves;
}

Moves Reversed(const Moves& moves) {
  Moves reversed;
  for (int from = 0; from < BOARD_CELLS; ++from)
    for (int to : moves[from]) reversed[to].push_back(from);
  return reversed;
}

// Fewest moves from every square to the nearest goal, by a breadth-first
// search backwards from the goals. A move into `avoid` is never taken.
std::array<uint16_t, BOARD_CELLS> MovesToGoal(const Moves& moves, const std::vector<int>& goals, int avoid = -1) {
  const Moves reversed = Reversed(moves);
  std::array<uint16_t, BOARD_CELLS> distance;
  distance.fill(FAR);
  std::vector<int> queue;
  for (int goal : goals) {
    distance[goal] = 0;
    queue.push_back(goal);
  }
  for (size_t next = 0; next < queue.size(); ++next) {
    const int to = queue[next];
    if (to == avoid) continue;
    for (int from : reversed[to]) {
      if (distance[from] != FAR) continue;
      distance[from] = static_cast<uint16_t>(distance[to] + 1);
      queue.push_back(from);
    }
  }
  return distance;
}

// Sockets (empty or with a block in them) and water place a block.
std::vector<int> PlacingSquares(const TileGrid& board) {
  std::vector<int> cells;
  for (int cell = 0; cell < BOARD_CELLS; ++cell) {
    const int32_t code = board[cell];
    if (code == TILE_TARGET || code == TILE_CRATE_ON_TARGET || code == TILE_SLIDER_ON_TARGET || code == TILE_WATER)
      cells.push_back(cell);
  }
  return cells;
}

}  // namespace

LowerBound::LowerBound(const LevelRecord& level) {
  figureToExit_.fill(FAR);
  if (!OnBoard(level.Exit)) return;
  const LevelSquares squares(level);
  const int exit = CellIndex(level.Exit.col, level.Exit.row);
  const Moves figureMoves = FigureMoves(level, squares);
  figureToExit_ = MovesToGoal(figureMoves, {exit});

  const std::vector<int> placing = PlacingSquares(level.Board);
  crateToPlace_ = MovesToGoal(CrateMoves(level, squares), placing);
  sliderToPlace_ = MovesToGoal(SliderMoves(level, squares), placing);
  const CellFlags reach = SquaresBlocksCanReach(level);
  for (int cell = 0; cell < BOARD_CELLS; ++cell)
    if (reach[cell]) blockCells_.push_back(cell);

  FindGuardingDoor(level);
  if (doorCell_ < 0) return;
  doorToExit_ = figureToExit_[doorCell_];
  const auto pastDoor = MovesToGoal(figureMoves, {exit}, doorCell_);
  for (int cell = 0; cell < BOARD_CELLS; ++cell) exitPastDoor_[cell] = pastDoor[cell] != FAR;
}

// Only the door check may open the door: its square must start as a plain
// wall (not a pad, not an exit frame) and be no key's door as well.
void LowerBound::FindGuardingDoor(const LevelRecord& level) {
  if (!OnBoard(level.ExitDoor)) return;
  const int cell = CellIndex(level.ExitDoor.col, level.ExitDoor.row);
  const int32_t wall = level.Board[cell];
  if (!IsClosedDoor(wall) || IsWalkable(wall) || IsTeleporter(wall)) return;
  for (const LevelDoor& door : DoorsOf(level))
    if (door.slot != EXIT_DOOR_SLOT && door.cell == cell) return;
  doorCell_ = cell;
  doorWall_ = wall;
}

// After every block is placed the figure still has to step into the door's
// square and walk on from there.
uint16_t LowerBound::Estimate(const TileGrid& board, int figureCell) const {
  const uint16_t walk = figureToExit_[figureCell];
  if (walk == FAR) return HOPELESS;
  if (doorCell_ < 0 || board[doorCell_] != doorWall_ || exitPastDoor_[figureCell]) return walk;
  if (doorToExit_ == FAR) return HOPELESS;
  uint32_t pushes = 0;
  for (int cell : blockCells_) {
    const int32_t code = board[cell];
    uint16_t need = 0;
    if (code == TILE_CRATE || code == TILE_PLUG)
      need = crateToPlace_[cell];
    else if (code == TILE_SLIDER)
      need = sliderToPlace_[cell];
    if (need == FAR) return HOPELESS;
    pushes += need;
  }
  const uint32_t bound = std::min<uint32_t>(pushes + 1 + doorToExit_, HOPELESS - 1);
  return std::max(walk, static_cast<uint16_t>(bound));
}

}  // namespace lorvix::solver
