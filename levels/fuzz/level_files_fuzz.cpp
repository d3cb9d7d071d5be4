#include "levels/fuzz/level_files_fuzz.h"

#include <fstream>
#include <sstream>
#include <string>

#include "fuzz/fuzz_input.h"
#include "levels/level_files.h"
#include "levels/text_encoding.h"

namespace lorvix::fuzz {
namespace {

std::string Bytes(const uint8_t* data, size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// A record whose every field differs from its neighbours, so that a field
// written to the wrong place shows.
LevelRecord Patterned() {
  LevelRecord level;
  for (int i = 0; i < KEY_PAIRS; ++i) {
    level.KeySquares[i] = {i, i + 10};
    level.DoorSquares[i] = {i + 20, i + 30};
  }
  level.Start = {41, 42};
  level.Exit = {43, 44};
  level.ExitDoor = {45, 46};
  for (int i = 0; i < BOARD_CELLS; ++i) level.Board[i] = 1000 + i;
  return level;
}

void RequireRoundTrip(const LevelRecord& level) {
  for (LineOneEnd style : {LineOneEnd::Editor, LineOneEnd::Builder}) {
    std::istringstream again(LevelRecordText(level, style));
    LevelRecord reread;
    Require(ReadLevelRecord(again, reread));
    Require(reread == level);
  }
}

std::string OnOneLine(std::string text) {
  for (char& c : text)
    if (c == '\r') c = ' ';
  return text;
}

}  // namespace

void LevelRecordInput(const uint8_t* data, size_t size) {
  std::istringstream in(Bytes(data, size));
  LevelRecord level = Patterned();
  ReadLevelRecord(in, level);
  RequireRoundTrip(level);
}

void WorldsFileInput(const uint8_t* data, size_t size) {
  if (size == 0) return;
  std::istringstream in(Bytes(data + 1, size - 1));
  LevelRecord level = Patterned();
  int32_t count = -1;
  const LevelReadResult result = ReadWorldsFile(in, data[0] % 16, level, count);
  Require(result != LevelReadResult::CannotOpen);
  if (result == LevelReadResult::TooFewLevels) Require(level == Patterned());
  RequireRoundTrip(level);
}

void ExtraWorldInput(const uint8_t* data, size_t size) {
  if (size == 0) return;
  const std::string file = Bytes(data + 1, size - 1);
  std::istringstream headerIn(file);
  ExtraWorldHeader header;
  Require(ReadExtraWorldHeader(headerIn, header));
  for (const std::string& line : header.lines) {
    Require(IsValidUtf8(line));
    Require(line.find('\n') == std::string::npos);
    Require(TruncateUtf8(line, EXTRA_WORLD_LINE_MAX) == line);
  }

  std::istringstream levelIn(file);
  LevelRecord level = Patterned();
  int32_t count = -1;
  ReadExtraWorldLevel(levelIn, data[0] % 16, level, count);
  RequireRoundTrip(level);

  std::istringstream again(ExtraWorldText(header, {level}));
  ExtraWorldHeader rereadHeader;
  LevelRecord rereadLevel;
  Require(ReadExtraWorldHeader(again, rereadHeader));
  for (size_t i = 0; i < header.lines.size(); ++i)
    Require(rereadHeader.lines[i] == OnOneLine(header.lines[i]));
  again.clear();
  again.seekg(0);
  ReadExtraWorldLevel(again, 1, rereadLevel, count);
  Require(count == 1 && rereadLevel == level);
}

void SolutionInput(const uint8_t* data, size_t size) {
  std::istringstream in(Bytes(data, size));
  MoveArray moves;
  moves.fill(-1);
  const bool marked = ReadSolution(in, moves);

  std::string text;
  bool zerosOnly = false;
  for (int32_t code : moves) {
    if (zerosOnly) Require(code == 0);
    if (!zerosOnly) text += std::to_string(code) + ' ';
    if (code == MOVE_END) zerosOnly = true;
  }
  Require(zerosOnly == marked);
  if (!marked) return;
  std::istringstream again(text);
  MoveArray reread;
  Require(ReadSolution(again, reread));
  Require(reread == moves);
}

void UserLevelInput(const uint8_t* data, size_t size) {
  const std::string path = ScratchFolder() + "level.sda";
  std::ofstream(path, std::ios::binary | std::ios::trunc) << Bytes(data, size);
  LevelRecord fromFile = Patterned();
  Require(ReadUserLevel(path, fromFile));
  std::istringstream in(Bytes(data, size));
  LevelRecord fromText = Patterned();
  ReadLevelRecord(in, fromText);
  Require(fromFile == fromText);

  Require(WriteUserLevel(path, fromFile));
  LevelRecord reread;
  Require(ReadUserLevel(path, reread));
  Require(reread == fromFile);
}

}  // namespace lorvix::fuzz
