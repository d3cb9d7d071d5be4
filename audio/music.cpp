// Background music. Not built yet: switching it on and off is stored, but
// nothing plays and the song list cannot be edited.

#include "gamewindow/game_window.h"
#include "levels/settings.h"

namespace lorvix {

void TMyWindow::StartMusic() {}

void TMyWindow::ToggleMusic() {
  MusicOn = !MusicOn;
  WriteSetupValue(SettingsPath, KEY_MUSIC, MusicOn ? 1 : 0);
}

void TMyWindow::ShowSongList() {}

}  // namespace lorvix
