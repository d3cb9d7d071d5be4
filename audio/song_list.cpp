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

std::string ReadSong(const std::string& settingsFile, int slot) {
  return platform::GetProfileString(settingsFile, SECTION_MIDI, SongKey(slot), "", kPathBuffer);
}

void WriteSong(const std::string& settingsFile, int slot, const std::string& path) {
  platform::WriteProfileString(settingsFile, SECTION_MIDI, SongKey(slot), path);
}

bool AnySongListed(const std::string& settingsFile) {
  for (int slot = 0; slot < SONG_SLOTS; ++slot)
    if (!ReadSong(settingsFile, slot).empty()) return true;
  return false;
}

}  // namespace lorvix
