// The user level file (.sda), written by the level editor: exactly one level
// record (level_record.cpp) in editor style, line 1 without a blank at its
// end; no count, no text, nothing after the record:
//
//   3 4 5 6 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0<CR><LF>
//   1 1 18 13 17 13<CR><LF>
//   30 30 30 30 30 30 30 30 30 30 30 30 30 30 30 30 30 30 30 30 <CR><LF>
//   ...                                  (15 board rows in all)

#include <fstream>

#include "levels/level_files.h"
#include "platform/atomic_file.h"

namespace lorvix {

bool ReadUserLevel(const std::string& path, LevelRecord& level) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  ReadLevelRecord(in, level);
  return true;
}

bool WriteUserLevel(const std::string& path, const LevelRecord& level) {
  return platform::WriteFileAtomically(path, LevelRecordText(level, LineOneEnd::Editor));
}

}  // namespace lorvix
