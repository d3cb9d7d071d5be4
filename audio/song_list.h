#pragma once
// The song list: 20 slots in section MIDI of the settings file, keys
// "Midi0".."Midi19", each the full path of a MIDI file or empty. It is read
// from the file at every use and written at every change; an emptied slot
// keeps its key with an empty value.

#include <string>

namespace lorvix {

inline constexpr int SONG_SLOTS = 20;

std::string ReadSong(const std::string& settingsFile, int slot);
void WriteSong(const std::string& settingsFile, int slot, const std::string& path);
bool AnySongListed(const std::string& settingsFile);

}  // namespace lorvix
