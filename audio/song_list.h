#pragma once
// The song list: 20 slots in section MIDI of the settings file, keys
// "Midi0".."Midi19", each the full path of a MIDI file or empty. It is read
// from the file at every use and written at every change; an emptied slot
// keeps its key with an empty value.

#include <algorithm>
#include <array>
#include <string>

namespace lorvix {

inline constexpr int SONG_SLOTS = 20;

using SongList = std::array<std::string, SONG_SLOTS>;

SongList ReadSongList(const std::string& settingsFile);
void WriteSong(const std::string& settingsFile, int slot, const std::string& path);
inline bool AnySongListed(const SongList& songs) {
  return std::any_of(songs.begin(), songs.end(), [](const std::string& song) { return !song.empty(); });
}

}  // namespace lorvix
