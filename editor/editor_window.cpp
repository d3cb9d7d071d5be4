// The editor's level fields, its placing rules, and what the mouse and the
// keyboard do in the editor window.

#include "editor/editor_window.h"

#include <algorithm>

#include "editor/editor_check.h"
#include "editor/editor_tools.h"
#include "gamewindow/game_window.h"
#include "platform/keys.h"
#include "render/game_graphics.h"
#include "render/tile_sheet.h"
#include "resources/pictures.h"

namespace lorvix {

TMyWindow2::TMyWindow2(TMyWindow& game)
    : Game(game),
      ProgramDir(game.ProgramDir),
      TileSheet(resources::Picture(PICTURE_TILE_SHEET)),
      Check(std::make_unique<EditorCheck>(game.Platform)) {
  ResetLevel();
}

TMyWindow2::~TMyWindow2() = default;

void TMyWindow2::Repaint() {
  if (EditFrame) EditFrame->Invalidate();
}

void TMyWindow2::ResetLevel() {
  Check->LevelChanged();
  Board.fill(TILE_FLOOR);
  StartCol = StartRow = NOT_PLACED;
  ExitCol = ExitRow = NOT_PLACED;
  ExitDoorCol = ExitDoorRow = NOT_PLACED;
  DoorSquares.fill({});
  KeySquares.fill({});
  Repaint();
}

void TMyWindow2::SelectTool(int tool) {
  SelectedTool = tool;
  Repaint();
}

// Start, exit and door to the exit are records beside the board; only the
// exit is a tile as well. The door to the exit turns plain floor into
// wall, as it must be a wall in play, but keeps any wall it is put on.
// A level file may hold an exit off the board; its old square is then
// left alone rather than written.
void TMyWindow2::ApplyTool() {
  Check->LevelChanged();
  const Spot here{CursorCol, CursorRow};
  const Square square{CursorCol, CursorRow};
  if (SelectedTool == TOOL_START) {
    StartCol = CursorCol;
    StartRow = CursorRow;
    SetCodeAt(Board, here, TILE_FLOOR);
  } else if (SelectedTool == TOOL_EXIT_DOOR) {
    ExitDoorCol = CursorCol;
    ExitDoorRow = CursorRow;
    if (CodeAt(Board, here) == TILE_FLOOR) SetCodeAt(Board, here, TILE_WALL_STONE);
  } else if (SelectedTool == TILE_EXIT) {
    if (ExitCol != NOT_PLACED) SetCodeAt(Board, Spot{ExitCol, ExitRow}, TILE_FLOOR);
    ExitCol = CursorCol;
    ExitRow = CursorRow;
    SetCodeAt(Board, here, TILE_EXIT);
  } else if (IsDoorOrKeyTool(SelectedTool)) {
    auto& entries = IsKeyTool(SelectedTool) ? KeySquares : DoorSquares;
    entries[static_cast<size_t>(PairOfTool(SelectedTool))] = square;
  } else {
    SetCodeAt(Board, here, SelectedTool);
    RemoveRecordsAt(CursorCol, CursorRow);
  }
}

void TMyWindow2::EraseSquare(int64_t c, int64_t r) {
  if (!OnBoard(c, r)) return;
  Check->LevelChanged();
  SetCodeAt(Board, Spot{c, r}, TILE_FLOOR);
  RemoveRecordsAt(c, r);
}

void TMyWindow2::RemoveRecordsAt(int64_t c, int64_t r) {
  const Spot here{c, r};
  auto clearPlace = [&](int32_t& col, int32_t& row) {
    if (Spot{col, row} == here) col = row = NOT_PLACED;
  };
  clearPlace(StartCol, StartRow);
  clearPlace(ExitDoorCol, ExitDoorRow);
  clearPlace(ExitCol, ExitRow);
  for (int pair = 0; pair < KEY_PAIRS; ++pair) {
    for (Square* entry : {&DoorSquares[static_cast<size_t>(pair)], &KeySquares[static_cast<size_t>(pair)]})
      if (Spot(*entry) == here) *entry = {};
  }
}

void TMyWindow2::ClampCursor() {
  CursorCol = std::clamp(CursorCol, 0, BOARD_COLS - 1);
  CursorRow = std::clamp(CursorRow, 0, BOARD_ROWS - 1);
}

// Only the mouse moves the cursor; a click acts on the cursor square, so
// a click right of the board acts on column 19. Repainting only when the
// square changes keeps it to one paint per crossed square.
void TMyWindow2::MouseMove(int x, int y) {
  const int oldCol = CursorCol, oldRow = CursorRow;
  CursorCol = x / CELL_SIZE;
  CursorRow = y / CELL_SIZE;
  ClampCursor();
  if (CursorCol != oldCol || CursorRow != oldRow) Repaint();
}

void TMyWindow2::LeftButtonDown(int x, int y) {
  if (const std::optional<int> tool = PaletteHit(x, y))
    SelectedTool = *tool;
  else
    ApplyTool();
  Repaint();
}

// Clicks never lie left of or above the client area; the test keeps a
// stray negative position from counting as column or row 0.
void TMyWindow2::RightButtonDown(int x, int y) {
  if (x >= 0 && y >= 0) EraseSquare(x / CELL_SIZE, y / CELL_SIZE);
  Repaint();
}

// F5 is "Prüfen", the key shown beside the menu item; the cursor stays.
void TMyWindow2::KeyDown(int virtualKey) {
  if (virtualKey == platform::VK_F5) {
    StartCheck();
    return;
  }
  switch (virtualKey) {
    case platform::VK_LEFT: --CursorCol; break;
    case platform::VK_UP: --CursorRow; break;
    case platform::VK_RIGHT: ++CursorCol; break;
    case platform::VK_DOWN: ++CursorRow; break;
    case platform::VK_SPACE: ApplyTool(); break;
    default: break;
  }
  ClampCursor();
  Repaint();
}

}  // namespace lorvix
