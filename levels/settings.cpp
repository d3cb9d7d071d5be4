#include "levels/settings.h"

#include "platform/profile.h"

namespace lorvix {
namespace {

constexpr int kLowestLevel = 1;
constexpr int kHighestLevel = 100;
// The password is read as into a buffer of ten characters.
constexpr int kPasswordBuffer = 10;

std::string LevelKey(int32_t level) { return "Level" + std::to_string(level); }

int32_t ReadSetup(const std::string& file, const char* key, int32_t defaultValue) {
  return platform::GetProfileInt(file, SECTION_SETUP, key, defaultValue);
}

}  // namespace

SetupSettings ReadSetupSettings(const std::string& settingsFile) {
  SetupSettings s;
  s.background = ReadSetup(settingsFile, KEY_BACKGROUND, 0);
  s.sound = ReadSetup(settingsFile, KEY_SOUND, 0);
  s.animation = ReadSetup(settingsFile, KEY_ANIMATION, 1) == 1;
  s.smoothMovement = ReadSetup(settingsFile, KEY_SMOOTH_MOVEMENT, 1) == 1;
  s.music = ReadSetup(settingsFile, KEY_MUSIC, 0) == 1;
  s.lastLevel = ReadSetup(settingsFile, KEY_LAST_LEVEL, 1);
  if (s.lastLevel < kLowestLevel || s.lastLevel > kHighestLevel) s.lastLevel = kLowestLevel;
  return s;
}

void WriteSetupValue(const std::string& settingsFile, const char* key, int32_t value) {
  platform::WriteProfileString(settingsFile, SECTION_SETUP, key, std::to_string(value));
}

int32_t ReadRecord(const std::string& file, int32_t level) {
  return platform::GetProfileInt(file, SECTION_LEVEL, LevelKey(level), 0);
}

bool WriteRecord(const std::string& file, int32_t level, int32_t moves) {
  return platform::WriteProfileString(file, SECTION_LEVEL, LevelKey(level), std::to_string(moves));
}

void ClearRecords(const std::string& file, int32_t first, int32_t last) {
  platform::ProfileEntries zeros;
  for (int32_t level = first; level <= last; ++level) zeros.emplace_back(LevelKey(level), "0");
  platform::WriteProfileStrings(file, SECTION_LEVEL, zeros);
}

std::string ReadStoredPassword(const std::string& settingsFile, int32_t level) {
  return platform::GetProfileString(settingsFile, SECTION_PASS, "PW" + std::to_string(level), "",
                                    kPasswordBuffer);
}

void WriteStoredPassword(const std::string& settingsFile, int32_t level, const std::string& text) {
  platform::WriteProfileString(settingsFile, SECTION_PASS, "PW" + std::to_string(level), text);
}

}  // namespace lorvix
