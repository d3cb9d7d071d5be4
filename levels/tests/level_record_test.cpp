// The level record as text: exact bytes as written by the editor and the
// builder, and reading back from any spacing.

#include <gtest/gtest.h>

#include <sstream>

#include "levels/level_files.h"
#include "levels/tests/sample_level.h"

namespace lorvix {
namespace {

using testing::Put;
using testing::SampleLevel;

const std::string kFloorRow = " 1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1 \r\n";
const std::string kWallRow = "30 30 30 30 30 30 30 30 30 30 30 30 30 30 30 30 30 30 30 30 \r\n";

TEST(LevelRecordText, EditorStyleHasNoBlankAtEndOfLineOne) {
  LevelRecord level;
  level.Board = FilledBoard(TILE_FLOOR);
  level.KeySquares[4] = {19, 14};
  level.DoorSquares[4] = {-3, 2};
  level.Start = {1, 2};
  level.Exit = {100, 100};
  level.ExitDoor = {0, -7};

  std::string expected = "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 19 14 -3 2\r\n1 2 100 100 0 -7\r\n";
  for (int row = 0; row < BOARD_ROWS; ++row) expected += kFloorRow;
  EXPECT_EQ(LevelRecordText(level, LineOneEnd::Editor), expected);
}

TEST(LevelRecordText, BuilderStyleDiffersOnlyByTheBlankAtEndOfLineOne) {
  const LevelRecord level = SampleLevel();
  std::string editor = LevelRecordText(level, LineOneEnd::Editor);
  std::string builder = LevelRecordText(level, LineOneEnd::Builder);
  editor.insert(editor.find("\r\n"), " ");
  EXPECT_EQ(builder, editor);
  EXPECT_TRUE(builder.starts_with("6 7 10 3 0 0 "));
}

TEST(LevelRecordText, StreamWriterGivesTheSameBytes) {
  std::ostringstream out;
  WriteLevelRecord(out, SampleLevel(), LineOneEnd::Builder);
  EXPECT_EQ(out.str(), LevelRecordText(SampleLevel(), LineOneEnd::Builder));
}

TEST(LevelRecordText, BoardIsWrittenRowByRowFromAColumnMajorGrid) {
  const std::string text = LevelRecordText(SampleLevel(), LineOneEnd::Editor);
  std::istringstream lines(text);
  std::string line;
  for (int i = 0; i < 2 + 7; ++i) std::getline(lines, line);
  std::getline(lines, line);  // board row 7
  EXPECT_EQ(line, "30  1  1  1  5  1  3  1  1  1  1  1  1  1  1  1  1 32  7 30 \r");
  EXPECT_EQ(text.substr(text.size() - kWallRow.size()), kWallRow);
}

TEST(FormatBoardRow, FieldsAreTwoCharactersWideAndSmallValuesIncludeNegatives) {
  TileGrid board = FilledBoard(0);
  board[CellIndex(0, 0)] = 7;
  board[CellIndex(1, 0)] = 30;
  board[CellIndex(2, 0)] = 115;
  board[CellIndex(3, 0)] = -1;
  board[CellIndex(4, 0)] = -2147483647 - 1;
  board[CellIndex(5, 0)] = 10;
  EXPECT_EQ(FormatBoardRow(board, 0),
            " 7 30 115  -1  -2147483648 10  0  0  0  0  0  0  0  0  0  0  0  0  0  0 ");
}

TEST(ReadLevelRecord, RoundTripsBothStyles) {
  LevelRecord level = SampleLevel();
  Put(level, 3, 3, -5);
  Put(level, 4, 4, 2147483647);
  for (LineOneEnd style : {LineOneEnd::Editor, LineOneEnd::Builder}) {
    std::istringstream in(LevelRecordText(level, style));
    LevelRecord read;
    EXPECT_TRUE(ReadLevelRecord(in, read));
    EXPECT_EQ(read, level);
  }
}

TEST(ReadLevelRecord, AcceptsLfOnlyAndSingleBlanks) {
  const LevelRecord level = SampleLevel();
  std::string text = LevelRecordText(level, LineOneEnd::Editor);
  std::string squeezed;
  for (char c : text) {
    if (c == '\r') continue;
    if (c == ' ' && !squeezed.empty() && (squeezed.back() == ' ' || squeezed.back() == '\n'))
      continue;
    squeezed += c;
  }
  ASSERT_EQ(squeezed.find("  "), std::string::npos);
  std::istringstream in(squeezed);
  LevelRecord read;
  EXPECT_TRUE(ReadLevelRecord(in, read));
  EXPECT_EQ(read, level);
}

TEST(ReadLevelRecord, ShortInputKeepsTheFieldsNotReached) {
  const LevelRecord before = SampleLevel();
  LevelRecord level = before;
  std::istringstream in("1 2 3");
  EXPECT_FALSE(ReadLevelRecord(in, level));
  EXPECT_EQ(level.KeySquares[0], (Square{1, 2}));
  EXPECT_EQ(level.DoorSquares[0], (Square{3, before.DoorSquares[0].row}));
  EXPECT_EQ(level.Start, before.Start);
  EXPECT_EQ(level.Board, before.Board);
}

TEST(ReadLevelRecord, StopsAtJunkAndAtNumbersOutside32Bits) {
  for (const char* text : {"4 x 6", "4 2147483648 6", "4 -2147483649 6", "4 99999999999999999999 6",
                           "4 - 6", "4 \x80\xff 6"}) {
    LevelRecord level = SampleLevel();
    std::istringstream in(text);
    EXPECT_FALSE(ReadLevelRecord(in, level)) << text;
    EXPECT_EQ(level.KeySquares[0], (Square{4, 7})) << text;
    EXPECT_EQ(level.DoorSquares[0], (Square{10, 3})) << text;
  }
}

TEST(ReadLevelRecord, ReadsTheExtremesOf32Bits) {
  LevelRecord level;
  std::istringstream in("-2147483648 +2147483647");
  ReadLevelRecord(in, level);
  EXPECT_EQ(level.KeySquares[0], (Square{-2147483647 - 1, 2147483647}));
}

TEST(LevelOf, GameStateAndRecordCarryTheSameLevel) {
  GameState state;
  state.MoveCount = 42;
  ApplyLevel(state, SampleLevel());
  EXPECT_EQ(state.PlayerCol, 2);
  EXPECT_EQ(state.ExitDoorCol, 17);
  EXPECT_EQ(state.MoveCount, 42);
  EXPECT_EQ(LevelOf(state), SampleLevel());
}

}  // namespace
}  // namespace lorvix
