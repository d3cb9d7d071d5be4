// The level record: the 326 integers that describe one level in every level
// file (worlds file, user level, extra world), in this order:
//
//   1-20    five key/door pairs: key column, key row, door column, door row
//           (a key column of 0 marks an unused pair)
//   21-22   start column, start row
//   23-24   exit column, exit row
//   25-26   column and row of the door to the exit
//   27-326  the board row by row: row 0 columns 0..19, then row 1, ...
//
// The board is held column by column in memory; this file converts. As
// written, a record is 17 lines with CR LF ends. Line 1 holds the 20 pair
// integers each followed by a blank; the editor leaves out the blank after
// the last one, the builder writes it. Line 2 holds the six integers of
// start, exit and door to the exit separated by blanks. Lines 3-17 hold one
// board row each; a cell below 10 (negative ones included) is written as
// blank, number, blank, any other as number, blank. A level with pair 1 at
// key (3, 4) and door (5, 6), start (1, 1), exit (18, 13), door to the exit
// (17, 13), written by the editor, begins:
//
//   3 4 5 6 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0<CR><LF>
//   1 1 18 13 17 13<CR><LF>
//   30 30 30 30 30 30 30 30 30 30 30 30 30 30 30 30 30 30 30 30 <CR><LF>
//   30  1  1  5  3  1  1  1  1  1  1  1  1  1  1  1  1  1  1 30 <CR><LF>
//   ...
//
// Readers take whitespace-separated integers, so LF-only files and any
// spacing read the same. No value is checked.

#include <array>

#include "levels/integer_reader.h"
#include "levels/level_files.h"

namespace lorvix {
namespace {

constexpr int PAIR_INTEGERS = 4 * KEY_PAIRS;
constexpr int PLACES_INTEGERS = 6;

// Every integer of a record, in file order. Readers and writers walk this
// list, so the order is stated only here.
template <typename Record, typename Int>
std::array<Int*, LEVEL_RECORD_INTEGERS> FieldsInFileOrder(Record& level) {
  std::array<Int*, LEVEL_RECORD_INTEGERS> fields{};
  size_t i = 0;
  for (int pair = 0; pair < KEY_PAIRS; ++pair) {
    fields[i++] = &level.KeySquares[pair].col;
    fields[i++] = &level.KeySquares[pair].row;
    fields[i++] = &level.DoorSquares[pair].col;
    fields[i++] = &level.DoorSquares[pair].row;
  }
  for (auto* square : {&level.Start, &level.Exit, &level.ExitDoor}) {
    fields[i++] = &square->col;
    fields[i++] = &square->row;
  }
  for (int row = 0; row < BOARD_ROWS; ++row)
    for (int col = 0; col < BOARD_COLS; ++col) fields[i++] = &level.Board[CellIndex(col, row)];
  return fields;
}

void AppendCell(std::string& text, int32_t code) {
  if (code < 10) text += ' ';
  text += std::to_string(code);
  text += ' ';
}

}  // namespace

LevelRecord LevelOf(const GameState& s) {
  LevelRecord level;
  level.KeySquares = s.KeySquares;
  level.DoorSquares = s.DoorSquares;
  level.Start = {s.PlayerCol, s.PlayerRow};
  level.Exit = {s.ExitCol, s.ExitRow};
  level.ExitDoor = {s.ExitDoorCol, s.ExitDoorRow};
  level.Board = s.Board;
  return level;
}

void ApplyLevel(GameState& s, const LevelRecord& level) {
  s.KeySquares = level.KeySquares;
  s.DoorSquares = level.DoorSquares;
  s.PlayerCol = level.Start.col;
  s.PlayerRow = level.Start.row;
  s.ExitCol = level.Exit.col;
  s.ExitRow = level.Exit.row;
  s.ExitDoorCol = level.ExitDoor.col;
  s.ExitDoorRow = level.ExitDoor.row;
  s.Board = level.Board;
}

bool ReadLevelRecord(std::istream& in, LevelRecord& level) {
  for (int32_t* field : FieldsInFileOrder<LevelRecord, int32_t>(level))
    if (!ReadInteger(in, *field)) return false;
  return true;
}

std::string FormatBoardRow(const TileGrid& board, int row) {
  std::string text;
  for (int col = 0; col < BOARD_COLS; ++col) AppendCell(text, board[CellIndex(col, row)]);
  return text;
}

std::string LevelRecordText(const LevelRecord& level, LineOneEnd style) {
  const auto fields = FieldsInFileOrder<const LevelRecord, const int32_t>(level);
  std::string text;
  for (int i = 0; i < PAIR_INTEGERS; ++i) {
    text += std::to_string(*fields[i]);
    if (i + 1 < PAIR_INTEGERS || style == LineOneEnd::Builder) text += ' ';
  }
  text += "\r\n";
  for (int i = PAIR_INTEGERS; i < PAIR_INTEGERS + PLACES_INTEGERS; ++i) {
    text += std::to_string(*fields[i]);
    text += i + 1 < PAIR_INTEGERS + PLACES_INTEGERS ? " " : "\r\n";
  }
  for (int row = 0; row < BOARD_ROWS; ++row) text += FormatBoardRow(level.Board, row) + "\r\n";
  return text;
}

void WriteLevelRecord(std::ostream& out, const LevelRecord& level, LineOneEnd style) {
  out << LevelRecordText(level, style);
}

}  // namespace lorvix
