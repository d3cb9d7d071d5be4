#pragma once
// The designers' text form of levels: each level is drawn as a 20 x 15
// picture of characters, with its fewest-moves solution beside it. The
// build turns the files in levels/data/ into the worlds file LEVEL.DAT.
// The format is described at the top of level_source.cpp.

#include <istream>
#include <string>
#include <vector>

#include "levels/level_files.h"

namespace lorvix {

struct SourceLevel {
  std::string name;
  LevelRecord record;
  std::string solution;  // letters R, L, U, D; empty when not yet solved
  int line = 0;          // line of the "level" keyword, for messages
};

// Parses every level of one source file. On a mistake returns false and
// sets `error` to "FILE:LINE: message".
bool ParseLevelSource(std::istream& in, const std::string& fileName,
                      std::vector<SourceLevel>& levels, std::string& error);

// Parses several source files, in order, into one list of levels.
bool ParseLevelSourceFiles(const std::vector<std::string>& paths, std::vector<SourceLevel>& levels,
                           std::string& error);

// The worlds file for these levels: their count, then their records.
std::string WorldsFileText(const std::vector<SourceLevel>& levels);

// The source text of one level (the inverse of parsing, for levels made
// with the editor). Squares the legend cannot show make it return "".
std::string FormatLevelSource(const SourceLevel& level);

}  // namespace lorvix
