#pragma once
// Reading one level from a file of any kind, told apart by the extension:
// ".sda" is a user level, ".sde" an extra world, anything else a worlds
// file. Used by the command-line tools, which take any of them.

#include <cstdint>
#include <string>

#include "levels/level_files.h"

namespace lorvix {

enum class LevelFileKind { Worlds, UserLevel, ExtraWorld };

// The kind by the extension, in any mix of upper and lower case.
LevelFileKind LevelFileKindOf(const std::string& path);

// Reads level `number` (1-based) into `level` and the file's level count
// into `count` (1 for a user level). Fails with TooFewLevels when the file
// has no such level: a user level has only level 1, and unlike the game's
// own extra world reader the number is checked against the count.
LevelReadResult ReadAnyLevelFile(const std::string& path, int number, LevelRecord& level,
                                 int32_t& count);

}  // namespace lorvix
