// The worlds file "LEVEL.DAT": the level count N, then N level records
// (level_record.cpp) one after the other, without any text. Level numbers
// are 1..N in file order. A file with two levels starts:
//
//   2
//   0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 
//   1 1 18 13 17 13
//   30 30 30 ...            (15 board rows, then the second record)
//
// The file is delivered with the game and never written by it. Level L is
// found by reading records 1..L in sequence every time; there is no index.

#include <fstream>

#include "levels/integer_reader.h"
#include "levels/level_files.h"

namespace lorvix {

LevelReadResult ReadWorldsFile(std::istream& in, int wanted, LevelRecord& level, int32_t& count) {
  count = 0;
  if (!ReadInteger(in, count)) count = 0;
  if (wanted < 1 || count < wanted) return LevelReadResult::TooFewLevels;
  // A record cut short ends the input, so the remaining records would read
  // nothing; stopping there keeps a huge `wanted` from spinning.
  for (int number = 1; number <= wanted; ++number)
    if (!ReadLevelRecord(in, level)) break;
  return LevelReadResult::Ok;
}

LevelReadResult ReadWorldsFile(const std::string& path, int wanted, LevelRecord& level,
                               int32_t& count) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    count = 0;
    return LevelReadResult::CannotOpen;
  }
  return ReadWorldsFile(in, wanted, level, count);
}

}  // namespace lorvix
