#include "tools/solver/move_runner.h"

#include <algorithm>

#include "game/rules.h"
#include "game/tick.h"

namespace lorvix::solver {
namespace {

// A slider crosses the board at most once per square and direction unless
// teleporter pads send it round in a circle, which never ends.
inline constexpr int MAX_SLIDE_STEPS = 4 * BOARD_CELLS;

}  // namespace

MoveRunner::MoveRunner(const LevelRecord& level) {
  ApplyLevel(scratch_, level);
  scratch_.TitleShowing = false;
  scratch_.AboutShowing = false;
  scratch_.Replaying = true;
}

// The game waits for the figure's glide to end before it takes the next
// key, so every key starts with the figure at rest.
void MoveRunner::Load(const Position& position) {
  GameState& s = scratch_;
  s.Board = position.board;
  s.PlayerCol = position.figureCell / BOARD_ROWS;
  s.PlayerRow = position.figureCell % BOARD_ROWS;
  std::copy_n(position.savedTiles.begin(), KEY_PAIRS, s.SavedDoorTiles.begin());
  s.SavedExitDoorTile = position.savedTiles[EXIT_DOOR_SLOT];
  s.GlideX = 0;
  s.GlideY = 0;
  s.Sliding = false;
  s.MoveCount = 0;
  host_.solved = false;
}

MoveOutcome MoveRunner::Run(const Position& position, int key) {
  Load(position);
  GameState& s = scratch_;
  TryMove(s, key, host_);
  MoveOutcome outcome;
  for (int steps = 0; s.Sliding; ++steps) {
    if (steps == MAX_SLIDE_STEPS) {
      outcome.endless = true;
      return outcome;
    }
    SlideStep(s, host_);
  }
  outcome.counted = s.MoveCount > 0;
  outcome.solved = host_.solved;
  return outcome;
}

bool MoveRunner::Settled(const Position& position) {
  Load(position);
  CheckSquares(scratch_, host_);
  return scratch_.Board == position.board &&
         std::equal(position.savedTiles.begin(), position.savedTiles.begin() + KEY_PAIRS,
                    scratch_.SavedDoorTiles.begin()) &&
         scratch_.SavedExitDoorTile == position.savedTiles[EXIT_DOOR_SLOT];
}

}  // namespace lorvix::solver
