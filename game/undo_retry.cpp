// One-step undo, retrying the current level and restarting the game.

#include "game/moves.h"
#include "game/rules.h"

namespace lorvix {

// Returns to the snapshot taken at the most recent key press that reached
// the move rules. The counter goes down by one even when the undone key
// press was a blocked move that never counted. The door check afterwards
// brings doors in line with the restored board; doors that the snapshot
// already holds open or closed make no sound.
void Undo(GameState& s, GameHost& host) {
  s.TitleShowing = false;
  s.AboutShowing = false;
  if (!s.MovedSinceUndo) return;
  RecordMove(s, MOVE_UNDO);
  s.MovedSinceUndo = false;
  s.PlayerCol = s.UndoPlayerCol;
  s.PlayerRow = s.UndoPlayerRow;
  s.Board = s.UndoBoard;
  --s.MoveCount;
  CheckSquares(s, host);
  host.UpdateStatusLine();
  host.InvalidateAll();
}

// Reloads the level from where it came: the open extra world, a self-made
// level file picked again, or the worlds file, whose failure closes the
// program.
void Retry(GameState& s, GameHost& host) {
  s.TitleShowing = false;
  if (s.ExtraWorld) {
    host.LoadExtraLevel();
  } else if (s.EditorLevel) {
    host.OpenUserLevel();
  } else {
    if (!host.LoadWorldLevel()) host.CloseRequest();
    host.InvalidateAll();
  }
}

void RestartGame(GameState& s, GameHost& host) {
  s.TitleShowing = false;
  s.AboutShowing = false;
  s.Replaying = false;
  host.RestartWorld();
}

}  // namespace lorvix
