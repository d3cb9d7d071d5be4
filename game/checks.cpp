// The checks after every move, slide step and undo: has the figure reached
// the exit, and which doors must open or close.

#include "game/rules.h"

namespace lorvix {

bool AllBlocksPlaced(const TileGrid& board) {
  for (int32_t code : board)
    if (IsUnplacedBlock(code)) return false;
  return true;
}

namespace {

// Opens a door by saving its wall code and writing floor, or closes an open
// one by writing the saved code back. A door closes whenever its square
// holds plain floor, even under the figure. Door squares come from the level
// file unchecked: one outside the board is never opened or closed.
void UpdateDoor(GameState& s, Square door, bool open, int32_t& savedTile, GameHost& host) {
  if (!OnBoard(door)) return;
  int32_t& code = s.Board[CellIndex(door.col, door.row)];
  if (open && IsClosedDoor(code)) {
    savedTile = code;
    code = TILE_FLOOR;
  } else if (!open && code == TILE_FLOOR) {
    code = savedTile;
  } else {
    return;
  }
  host.RedrawCells(door.col, door.col + 1, door.row, door.row + 1);
  host.PlayEffect(SOUND_DOOR);
}

}  // namespace

// Solving the level normally loads the next one before LevelSolved returns;
// the door checks then work on whatever board is current. Only an exit on
// the board counts: a level whose start and exit are both off the board
// (not placed) would otherwise be solved by its first key.
void CheckSquares(GameState& s, GameHost& host) {
  if (s.PlayerCol == s.ExitCol && s.PlayerRow == s.ExitRow && OnBoard(s.ExitCol, s.ExitRow)) {
    host.PlayEffect(SOUND_EXIT);
    host.LevelSolved();
  }

  UpdateDoor(s, {s.ExitDoorCol, s.ExitDoorRow}, AllBlocksPlaced(s.Board), s.SavedExitDoorTile, host);

  // A pair whose key column is 0 is empty. A key square outside the board
  // is never pressed.
  for (int i = 0; i < KEY_PAIRS; ++i) {
    const Square key = s.KeySquares[i];
    if (key.col == 0) continue;
    UpdateDoor(s, s.DoorSquares[i], IsPressedKey(CodeAt(s.Board, key)), s.SavedDoorTiles[i], host);
  }
}

}  // namespace lorvix
