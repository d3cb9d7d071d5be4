#pragma once
// The editor as the game creates it, on the headless platform: a game
// window with its program directory and settings file in a scratch
// directory, and the editor frame made for it. Helpers act as the user
// does: the mouse moves before it clicks.

#include <gtest/gtest.h>

#include <string>

#include "editor/editor_frame.h"
#include "editor/editor_tools.h"
#include "levels/tests/scratch_dir.h"
#include "platform/keys.h"
#include "platform/headless/headless_platform.h"

namespace lorvix::testing {

class EditorTest : public ::testing::Test {
 protected:
  EditorTest();

  TMyWindow2& w() { return editor.Client; }
  platform::HeadlessFrame& Frame() { return *platform.frames.back(); }

  // Moves the mouse onto the middle of board square (c, r) and clicks.
  void ClickSquare(int c, int r, platform::MouseButton button = platform::MouseButton::Left);
  // Moves the mouse to client pixel (x, y) and clicks there.
  void ClickAt(int x, int y, platform::MouseButton button = platform::MouseButton::Left);
  // Chooses the palette cell in column 0..2 and row 0..11.
  void ChooseCell(int column, int row);
  void Press(int virtualKey) { editor.KeyDown(virtualKey); }
  // Chooses palette cell (column, row) and puts it on square (c, r).
  void Put(int column, int row, int c, int r) {
    ChooseCell(column, row);
    ClickSquare(c, r);
  }
  // Start (2, 2), a crate at (4, 3) for the socket at (6, 3), and the exit
  // at (10, 2) walled in behind the door to the exit at (8, 2): ten moves.
  void DrawLevel();

  int32_t At(int c, int r) const { return editor.Client.Board[CellIndex(c, r)]; }
  std::string Path(const std::string& name) const { return scratch / name; }

  ScratchDir scratch;  // declared first: it outlives the windows
  platform::HeadlessPlatform platform;
  TMyWindow game;
  TMyEditFrameWindow editor;
};

}  // namespace lorvix::testing
