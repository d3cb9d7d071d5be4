// Creating and releasing the game window's drawing objects.

#include <array>

#include "gamewindow/game_window.h"
#include "render/backgrounds.h"
#include "render/game_graphics.h"

namespace lorvix {

// Runs once when the window exists: pictures and buffers first, then the
// background, the level stored as the one played last, the status line and
// the music.
// The start-up load ignores a failure; its loader has told the player, and
// the game carries on with an empty board.
void TMyWindow::SetupGameWindow() {
  OpenMusicDevice();
  Graphics = CreateGameGraphics();
  if (BackgroundChoice < 0 || BackgroundChoice >= BACKGROUND_PATTERNS) BackgroundChoice = 0;
  PaintBackground();
  LoadWorldLevel();
  InvalidateAll();
  UpdateStatusLine();
  StartMusic();
  Platform.SetFrameCaption("QX LORVIX V1.2 - 32 Bit");
  ShowMenuPictures();
}

// Five option items show pictures in place of their texts; their ids stay,
// so check marks, enabling and hints keep working.
void TMyWindow::ShowMenuPictures() {
  static constexpr std::array<int, 5> kItems{113, 112, 110, 51685, 51694};
  if (!GameFrame || !Graphics) return;
  for (size_t i = 0; i < kItems.size(); ++i) {
    const Bitmap& picture = Graphics->MenuPictures[i];
    GameFrame->SetMenuPicture(kItems[i], {picture.Data(), picture.Width(), picture.Height()});
  }
}

void TMyWindow::DestroyGameWindowGraphics() { Graphics.reset(); }

}  // namespace lorvix
