#pragma once
// The sections and keys of the settings file and the few typed accessors
// the game uses. Each call reads or writes one key at the moment it is
// needed (platform/profile.h); nothing is cached.
//
//   [SETUP]  HINTERGRUND SOUND ANIM2 SM MIDI LAST   options, level played last
//   [LEVEL]  Level1..Level100                       fewest moves, 0 = none
//   [PASS]   PW1..PW100                             passwords of solved levels
//   [MIDI]   Midi0..Midi19                          song list
//
// The record file of an extra world has the same [LEVEL] section.

#include <cstdint>
#include <string>

namespace lorvix {

inline constexpr const char* SECTION_SETUP = "SETUP";
inline constexpr const char* SECTION_LEVEL = "LEVEL";
inline constexpr const char* SECTION_PASS = "PASS";
inline constexpr const char* SECTION_MIDI = "MIDI";

inline constexpr const char* KEY_BACKGROUND = "HINTERGRUND";
inline constexpr const char* KEY_SOUND = "SOUND";
inline constexpr const char* KEY_ANIMATION = "ANIM2";
inline constexpr const char* KEY_SMOOTH_MOVEMENT = "SM";
inline constexpr const char* KEY_MUSIC = "MIDI";
inline constexpr const char* KEY_LAST_LEVEL = "LAST";

// The SETUP section as the game window reads it once at construction.
struct SetupSettings {
  int32_t background = 0;
  int32_t sound = 0;  // used as read: any non-zero value plays sounds
  bool animation = true;
  bool smoothMovement = true;
  bool music = false;
  int32_t lastLevel = 1;  // 1..100
};
SetupSettings ReadSetupSettings(const std::string& settingsFile);

// Writes a SETUP key as decimal text; switches are written as 0 or 1.
void WriteSetupValue(const std::string& settingsFile, const char* key, int32_t value);

// Records: section LEVEL, key "Level<N>", 0 when absent.
int32_t ReadRecord(const std::string& file, int32_t level);
bool WriteRecord(const std::string& file, int32_t level, int32_t moves);
// Writes record 0 for levels first..last, in one rewrite of the file.
void ClearRecords(const std::string& file, int32_t first, int32_t last);

// Passwords of the worlds file: section PASS, key "PW<N>". Read as a text of
// at most 9 characters, empty when absent.
std::string ReadStoredPassword(const std::string& settingsFile, int32_t level);
void WriteStoredPassword(const std::string& settingsFile, int32_t level, const std::string& text);

}  // namespace lorvix
