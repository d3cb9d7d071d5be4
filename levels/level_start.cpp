#include "levels/level_start.h"

namespace lorvix {

void StartLevel(GameState& s, const LevelRecord& level) {
  ApplyLevel(s, level);
  s.UndoBoard = s.Board;
  s.UndoPlayerCol = s.PlayerCol;
  s.UndoPlayerRow = s.PlayerRow;
  s.MovedSinceUndo = false;
  s.MoveCount = 0;
  s.MoveListPos = 0;
  s.Replaying = false;
}

}  // namespace lorvix
