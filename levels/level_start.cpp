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
  s.NoLevel = false;
}

void ShowNoLevel(GameState& s) {
  LevelRecord none;
  none.Board.fill(TILE_FLOOR);
  none.Start = none.Exit = none.ExitDoor = {NOT_PLACED, NOT_PLACED};
  StartLevel(s, none);
  s.Sliding = false;
  s.NoLevel = true;
}

}  // namespace lorvix
