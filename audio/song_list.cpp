#include "audio/song_list.h"

#include "levels/settings.h"
#include "platform/profile.h"

namespace lorvix {
namespace {

// Room for any path the system allows, so that a long path is never read
// back cut short.
constexpr int kPathBuffer = 4096;

std::string SongKey(int slot) { return "Midi" + std::to_string(slot); }

}  // namespace

SongList ReadSongList(const std::string& settingsFile) {
  SongList songs;
  for (int slot = 0; slot < SONG_SLOTS; ++slot)
    songs[static_cast<size_t>(slot)] =
        platform::GetProfileString(settingsFile, SECTION_MIDI, SongKey(slot), "", kPathBuffer);
  return songs;
}

void WriteSong(const std::string& settingsFile, int slot, const std::string& path) {
  platform::WriteProfileString(settingsFile, SECTION_MIDI, SongKey(slot), path);
}

}  // namespace lorvix
