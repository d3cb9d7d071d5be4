// Solution files: what is stored for a recorded move list, and what a
// replay gets back.

#include <gtest/gtest.h>

#include <sstream>

#include "levels/level_files.h"
#include "levels/tests/scratch_dir.h"

namespace lorvix {
namespace {

using testing::ReadBytes;
using testing::ScratchDir;
using testing::WriteBytes;

MoveArray Recorded(std::initializer_list<int32_t> codes) {
  MoveArray moves{};
  std::copy(codes.begin(), codes.end(), moves.begin());
  return moves;
}

TEST(SolutionText, LastRecordedEntryIsReplacedByTheEndMarker) {
  MoveArray moves = Recorded({3, 3, 1});
  EXPECT_EQ(SolutionText(moves, 3), "3 3 10 ");
  EXPECT_EQ(moves[2], MOVE_END);
  EXPECT_EQ(moves[3], MOVE_END);
  moves = Recorded({1, 1, 4, 1});
  EXPECT_EQ(SolutionText(moves, 4), "1 1 4 10 ");
}

TEST(SolutionText, EmptyListStoresOnlyTheMarker) {
  MoveArray moves{};
  EXPECT_EQ(SolutionText(moves, 0), "10 ");
}

TEST(SolutionText, FullListKeeps1999MovesAndTheMarker) {
  MoveArray moves;
  moves.fill(MOVE_UP);
  const std::string text = SolutionText(moves, MOVE_LIST_SIZE);
  std::string expected;
  for (int i = 0; i < MOVE_LIST_SIZE - 1; ++i) expected += "4 ";
  EXPECT_EQ(text, expected + "10 ");
}

TEST(SolutionText, PositionsOutsideTheListAreClamped) {
  MoveArray moves = Recorded({1, 2});
  EXPECT_EQ(SolutionText(moves, -5), "10 ");
  moves.fill(MOVE_LEFT);
  EXPECT_EQ(SolutionText(moves, 123456).size(), std::string("2 ").size() * 1999 + 3);
}

TEST(Solution, WrittenFileReadsBackWithTheMarker) {
  ScratchDir dir;
  MoveArray moves = Recorded({1, 5, 2, 3, 4});
  ASSERT_TRUE(WriteSolution(dir / "Solve3.sco", moves, 5));
  EXPECT_EQ(ReadBytes(dir / "Solve3.sco"), "1 5 2 3 10 ");

  MoveArray read;
  read.fill(7);
  EXPECT_TRUE(ReadSolution(dir / "Solve3.sco", read));
  EXPECT_EQ(read, Recorded({1, 5, 2, 3, 10}));
}

TEST(Solution, FileWithoutMarkerFillsWhatItHoldsAndStartsNoReplay) {
  std::istringstream in("1 2 3");
  MoveArray read;
  read.fill(7);
  EXPECT_FALSE(ReadSolution(in, read));
  EXPECT_EQ(read, Recorded({1, 2, 3}));
}

TEST(Solution, ReadingStopsAtTheMarkerOrAfter2000Entries) {
  std::istringstream marked("4 10 4 4");
  MoveArray read;
  EXPECT_TRUE(ReadSolution(marked, read));
  EXPECT_EQ(read, Recorded({4, 10}));

  std::string many;
  for (int i = 0; i < 2500; ++i) many += "1 ";
  std::istringstream unmarked(many + "10 ");
  EXPECT_FALSE(ReadSolution(unmarked, read));
  EXPECT_EQ(read.back(), 1);
}

TEST(Solution, JunkStopsReadingAndAMissingFileLeavesTheListAlone) {
  std::istringstream junk("1 2 99999999999 10 ");
  MoveArray read;
  EXPECT_FALSE(ReadSolution(junk, read));
  EXPECT_EQ(read, Recorded({1, 2}));

  ScratchDir dir;
  read.fill(3);
  EXPECT_FALSE(ReadSolution(dir / "missing.sco", read));
  EXPECT_EQ(read[1999], 3);
}

TEST(Solution, WriteIntoAMissingDirectoryFails) {
  MoveArray moves = Recorded({1});
  EXPECT_FALSE(WriteSolution("/nonexistent-lorvix-dir/Solve1.sco", moves, 1));
}

}  // namespace
}  // namespace lorvix
