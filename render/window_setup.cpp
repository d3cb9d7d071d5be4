// Creating and releasing the game window's drawing objects.

#include "gamewindow/game_window.h"
#include "render/backgrounds.h"
#include "render/game_graphics.h"

namespace lorvix {

// Runs once when the window exists: pictures and buffers first, then the
// background, the level stored as the one played last, and the status line.
// The start-up load ignores a failure; its loader has told the player, and
// the game carries on with an empty board.
void TMyWindow::SetupGameWindow() {
  Graphics = CreateGameGraphics();
  if (BackgroundChoice < 0 || BackgroundChoice >= BACKGROUND_PATTERNS) BackgroundChoice = 0;
  PaintBackground();
  LoadWorldLevel();
  InvalidateAll();
  UpdateStatusLine();
  Platform.SetFrameCaption("QX LORVIX V1.2 - 32 Bit");
}

void TMyWindow::DestroyGameWindowGraphics() { Graphics.reset(); }

}  // namespace lorvix
