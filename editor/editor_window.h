#pragma once
// The editor window: the client of the editor frame. It holds one level
// being edited, shows it at full size with the tile palette to its right,
// and puts tiles and records on squares for the mouse and the keyboard.
// Its operations are spread over:
//   editor/editor_window.cpp   level fields, placing rules, mouse and keys
//   editor/editor_picture.cpp  composing the picture
//   editor/editor_files.cpp    checking, saving and loading the level
//   editor/editor_check.cpp    "Prüfen", the check beside the editor
//
// The level lives as long as the program; hiding the editor keeps it, and
// it reaches the game only through level files.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "game/board.h"
#include "game/game_state.h"
#include "levels/level_files.h"
#include "platform/frame.h"
#include "render/bitmap.h"

namespace lorvix {

class TMyWindow;
class EditorCheck;

// The client area: the board (640 wide), a separator, the tool preview and
// the palette up to x 768; as high as the board.
inline constexpr int EDITOR_CLIENT_WIDTH = 768;
inline constexpr int EDITOR_CLIENT_HEIGHT = 480;

class TMyWindow2 {
 public:
  // Sets the window up: its own copy of the tile sheet, an empty level,
  // the floor as tool and the cursor in the top-left corner.
  explicit TMyWindow2(TMyWindow& game);
  ~TMyWindow2();
  TMyWindow2(const TMyWindow2&) = delete;
  TMyWindow2& operator=(const TMyWindow2&) = delete;

  // --- Level and placing (editor_window.cpp) ---
  // Empties the level; cursor and tool stay.
  void ResetLevel();
  // Puts SelectedTool on the cursor square.
  void ApplyTool();
  // Makes square (c, r) floor without any record; squares off the board
  // are left alone.
  void EraseSquare(int64_t c, int64_t r);
  void SelectTool(int tool);

  // --- Input ---
  void MouseMove(int x, int y);
  void LeftButtonDown(int x, int y);
  void RightButtonDown(int x, int y);
  void KeyDown(int virtualKey);

  // --- Picture (editor_picture.cpp) ---
  void ComposePicture();
  // Composes the picture and shows `area` of it.
  void Paint(const platform::Rect& area);

  // --- Files (editor_files.cpp) ---
  bool ValidateLevel();
  void SaveUserLevel();
  void LoadUserLevel();
  // The level fields as a level file holds them, and back.
  LevelRecord CurrentLevel() const;
  void ApplyLevel(const LevelRecord& level);
  // "Prüfen": the validation of saving, then the check of the level beside
  // the editor, which any edit of the level stops.
  void StartCheck();

  // Asks the frame for a repaint of the whole client area.
  void Repaint();

  TMyWindow& Game;
  // The frame that shows this window; set by the frame once it exists.
  platform::Frame* EditFrame = nullptr;

  TileGrid Board{};
  int32_t StartCol = NOT_PLACED, StartRow = NOT_PLACED;
  int32_t ExitCol = NOT_PLACED, ExitRow = NOT_PLACED;
  int32_t ExitDoorCol = NOT_PLACED, ExitDoorRow = NOT_PLACED;
  std::array<Square, KEY_PAIRS> DoorSquares{};
  std::array<Square, KEY_PAIRS> KeySquares{};
  int CursorCol = 0, CursorRow = 0;
  int32_t SelectedTool = TILE_FLOOR;
  std::string ProgramDir;

  Bitmap BackBuffer{EDITOR_CLIENT_WIDTH, EDITOR_CLIENT_HEIGHT};
  Bitmap TileSheet;

  const std::unique_ptr<EditorCheck> Check;

 private:
  // Clears every record that lies on (c, r), in a fixed order.
  void RemoveRecordsAt(int64_t c, int64_t r);
  void ClampCursor();
};

}  // namespace lorvix
