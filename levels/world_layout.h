#pragma once
// How the levels of the worlds file are grouped, and the notices that the
// level and world commands show (TMyWindow::ShowNotice).

#include <cstdint>

namespace lorvix {

// The worlds file is played as ten worlds of ten levels, 1..100.
inline constexpr int32_t FIRST_WORLD_LEVEL = 1;
inline constexpr int32_t LAST_WORLD_LEVEL = 100;
inline constexpr int32_t LEVELS_PER_WORLD = 10;

inline constexpr bool IsFirstOfWorld(int32_t level) {
  return level >= FIRST_WORLD_LEVEL && level <= LAST_WORLD_LEVEL && level % LEVELS_PER_WORLD == 1;
}
inline constexpr bool IsLastOfWorld(int32_t level) {
  return level >= FIRST_WORLD_LEVEL && level <= LAST_WORLD_LEVEL && level % LEVELS_PER_WORLD == 0;
}
inline constexpr int32_t FirstLevelOfWorld(int world) { return LEVELS_PER_WORLD * (world - 1) + 1; }

// Kinds of ShowNotice.
inline constexpr int NOTICE_NOT_SOLVED = 0;
inline constexpr int NOTICE_LAST_LEVEL = 1;
inline constexpr int NOTICE_FIRST_LEVEL = 2;
inline constexpr int NOTICE_WORLD_DONE = 3;
inline constexpr int NOTICE_FILE_ERROR = 4;

}  // namespace lorvix
