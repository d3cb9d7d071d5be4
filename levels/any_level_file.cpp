#include "levels/any_level_file.h"

#include <algorithm>
#include <cctype>

namespace lorvix {
namespace {

bool HasExtension(const std::string& path, const std::string& lowerExt) {
  if (path.size() < lowerExt.size()) return false;
  return std::equal(lowerExt.begin(), lowerExt.end(), path.end() - static_cast<long>(lowerExt.size()),
                    [](char want, char have) {
                      return want == std::tolower(static_cast<unsigned char>(have));
                    });
}

}  // namespace

LevelFileKind LevelFileKindOf(const std::string& path) {
  if (HasExtension(path, ".sda")) return LevelFileKind::UserLevel;
  if (HasExtension(path, ".sde")) return LevelFileKind::ExtraWorld;
  return LevelFileKind::Worlds;
}

LevelReadResult ReadAnyLevelFile(const std::string& path, int number, LevelRecord& level,
                                 int32_t& count) {
  switch (LevelFileKindOf(path)) {
    case LevelFileKind::UserLevel:
      count = 1;
      if (!ReadUserLevel(path, level)) return LevelReadResult::CannotOpen;
      return number == 1 ? LevelReadResult::Ok : LevelReadResult::TooFewLevels;
    case LevelFileKind::ExtraWorld:
      if (!ReadExtraWorldLevel(path, number, level, count)) return LevelReadResult::CannotOpen;
      return number >= 1 && number <= count ? LevelReadResult::Ok : LevelReadResult::TooFewLevels;
    case LevelFileKind::Worlds:
      break;
  }
  return ReadWorldsFile(path, number, level, count);
}

}  // namespace lorvix
