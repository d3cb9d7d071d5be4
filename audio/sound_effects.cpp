// Sound effects: five WAV files beside the program, played asynchronously;
// a new effect cuts off the one still playing.

#include "gamewindow/game_window.h"

namespace lorvix {

void TMyWindow::PlayEffect(int sound) {
  if (SoundOn == 0) return;
  if (sound < 1 || sound > 5) return;
  Platform.PlaySoundFile(SoundFilePaths[static_cast<size_t>(sound - 1)]);
}

}  // namespace lorvix
