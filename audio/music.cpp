// Background music: a song drawn at random from the song list, and when it
// has ended the next one. Every failure of the music device switches the
// music off for this run only; the settings file keeps the player's choice,
// so the next start tries again.

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "audio/song_list.h"
#include "gamewindow/game_window.h"
#include "levels/settings.h"

namespace lorvix {
namespace {

// `stage` names the device operation that failed: "Open", "Play" or "Close".
void ShowMusicError(platform::Platform& platform, const char* stage, int error) {
  const std::string reason = platform.MusicErrorText(error);
  std::vector<char> text(reason.size() + 64);
  std::snprintf(text.data(), text.size(), "Fehlernummer: %d \n\nFehlerstring: %s", error, reason.c_str());
  platform.MessageBox(text.data(), std::string("MCI Rückmeldung - ") + stage + " - (Fehlermeldung)",
                      platform::Icon::None, platform::Buttons::Ok);
}

}  // namespace

// Part of the window's set-up: the end of a song comes to this window.
void TMyWindow::OpenMusicDevice() {
  Platform.SetMusicFinishedHandler([this] { SongEnded(); });
}

// With every slot empty the music stays on but silent. The current
// directory becomes the program's, so that a song listed without a
// directory is found beside the program.
void TMyWindow::StartMusic() {
  if (!MusicOn) return;
  const SongList songs = ReadSongList(SettingsPath);
  if (!AnySongListed(songs)) return;
  std::string song;
  do song = songs[static_cast<size_t>(Random() % SONG_SLOTS)];
  while (song.empty());
  std::error_code ignored;
  std::filesystem::current_path(ProgramDir, ignored);

  if (const int error = Platform.OpenMusic(song)) {
    ShowMusicError(Platform, "Open", error);
    MusicOn = false;
    return;
  }
  if (const int error = Platform.PlayMusic()) {
    ShowMusicError(Platform, "Play", error);
    MusicOn = false;
    Platform.CloseMusic();
  }
}

// A song has played to its end. The platform reports only real ends, but
// one may still arrive after the music was switched off; it is ignored.
void TMyWindow::SongEnded() {
  if (!MusicOn) return;
  if (const int error = Platform.CloseMusic()) {
    ShowMusicError(Platform, "Close", error);
    MusicOn = false;
    return;
  }
  StartMusic();
}

// Switching off stops the song at once; switching on draws a new one.
void TMyWindow::ToggleMusic() {
  MusicOn = !MusicOn;
  WriteSetupValue(SettingsPath, KEY_MUSIC, MusicOn ? 1 : 0);
  if (MusicOn) StartMusic();
  else Platform.CloseMusic();
}

// Part of the window's end: no song may outlive it, nor report to it.
void TMyWindow::CloseMusicDevice() {
  Platform.SetMusicFinishedHandler({});
  Platform.CloseMusic();
}

}  // namespace lorvix
