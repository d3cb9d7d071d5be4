#include "tools/leveltool/level_argument.h"

namespace lorvix::leveltool {

bool ReadLevelArgument(const std::string& command, const std::string& path, int number,
                       LevelRecord& level, int32_t& count, std::ostream& err) {
  switch (ReadAnyLevelFile(path, number, level, count)) {
    case LevelReadResult::CannotOpen:
      err << "leveltool " << command << ": Fehler beim Öffnen der Datei " << path << " .\n";
      return false;
    case LevelReadResult::TooFewLevels:
      err << "leveltool " << command << ": Level " << number << " gibt es in " << path
          << " nicht (" << count << " Level)\n";
      return false;
    case LevelReadResult::Ok:
      break;
  }
  return true;
}

bool ReadLevelArgument(const std::string& command, const std::string& path,
                       const std::string& numberText, LevelRecord& level, int& number,
                       int32_t& count, std::ostream& err) {
  if (!ParsePositive(numberText, number)) {
    err << "leveltool " << command << ": ungültige Levelnummer \"" << numberText << "\"\n";
    return false;
  }
  return ReadLevelArgument(command, path, number, level, count, err);
}

}  // namespace lorvix::leveltool
