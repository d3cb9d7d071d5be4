// leveltool play: choosing the file kind and level, refusing bad input, and
// the exact text printed.

#include <gtest/gtest.h>

#include <vector>

#include "levels/level_files.h"
#include "levels/tests/sample_level.h"
#include "levels/tests/scratch_dir.h"
#include "tools/leveltool/command.h"
#include "tools/leveltool/tests/tool_run.h"

namespace lorvix {
namespace {

using testing::Put;
using testing::SampleLevel;
using testing::ScratchDir;
using testing::WriteBytes;

using testing::Leveltool;
using testing::ToolRun;

std::string ExpectedBoard(const LevelRecord& level) {
  std::string text;
  for (int row = 0; row < BOARD_ROWS; ++row) text += FormatBoardRow(level.Board, row) + "\n";
  return text;
}

TEST(LeveltoolPlay, NoMovesPrintsTheLevelAsLoaded) {
  ScratchDir dir;
  ASSERT_TRUE(WriteUserLevel(dir / "start.sda", SampleLevel()));
  const ToolRun run = Leveltool({"play", dir / "start.sda", "1", ""});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, "figure 2 7\nmoves 0\nsolved no\n" + ExpectedBoard(SampleLevel()));
}

TEST(LeveltoolPlay, TellsFileKindsByExtensionInAnyCase) {
  ScratchDir dir;
  LevelRecord second = SampleLevel();
  second.Start = {5, 5};
  ASSERT_TRUE(WriteExtraWorld(dir / "Pack.SdE", {}, {SampleLevel(), second}));
  EXPECT_EQ(Leveltool({"play", dir / "Pack.SdE", "2", ""}).out.substr(0, 11), "figure 5 5\n");

  WriteBytes(dir / "LEVEL.DAT", "2\r\n" + LevelRecordText(SampleLevel(), LineOneEnd::Editor) +
                                    LevelRecordText(second, LineOneEnd::Editor));
  EXPECT_EQ(Leveltool({"play", dir / "LEVEL.DAT", "2", ""}).out.substr(0, 11), "figure 5 5\n");

  ASSERT_TRUE(WriteUserLevel(dir / "mine.SDA", second));
  EXPECT_EQ(Leveltool({"play", dir / "mine.SDA", "1", ""}).out.substr(0, 11), "figure 5 5\n");
}

TEST(LeveltoolPlay, RefusesLevelsTheFileDoesNotHold) {
  ScratchDir dir;
  ASSERT_TRUE(WriteUserLevel(dir / "one.sda", SampleLevel()));
  ASSERT_TRUE(WriteExtraWorld(dir / "pack.sde", {}, {SampleLevel()}));
  WriteBytes(dir / "LEVEL.DAT", "1\n" + LevelRecordText(SampleLevel(), LineOneEnd::Editor));
  for (const auto& [file, level] : std::vector<std::pair<std::string, std::string>>{
           {"one.sda", "2"}, {"pack.sde", "2"}, {"LEVEL.DAT", "2"}, {"LEVEL.DAT", "0"},
           {"LEVEL.DAT", "-1"}, {"LEVEL.DAT", "1x"}, {"LEVEL.DAT", ""},
           {"LEVEL.DAT", "99999999999"}, {"missing.sda", "1"}}) {
    const ToolRun run = Leveltool({"play", dir / file, level, "R"});
    EXPECT_EQ(run.exitCode, 2) << file << ' ' << level;
    EXPECT_EQ(run.out, "") << file << ' ' << level;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
}

TEST(LeveltoolPlay, RefusesUnknownMoveLettersBeforePlaying) {
  ScratchDir dir;
  ASSERT_TRUE(WriteUserLevel(dir / "a.sda", SampleLevel()));
  for (const char* moves : {"RRx", "r", "R L", "RZ?"}) {
    const ToolRun run = Leveltool({"play", dir / "a.sda", "1", moves});
    EXPECT_EQ(run.exitCode, 2) << moves;
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("ungültiger Zug"), std::string::npos);
  }
}

// The sample level solved: the crate into the socket opens both doors, a
// walk round the crate reaches the exit, and letters after that are ignored.
TEST(LeveltoolPlay, SolvingStopsOnTheExit) {
  ScratchDir dir;
  ASSERT_TRUE(WriteUserLevel(dir / "a.sda", SampleLevel()));
  const ToolRun run = Leveltool({"play", dir / "a.sda", "1", "RRRURRRRRRRRRRRRDRLL"});
  LevelRecord after = SampleLevel();
  Put(after, 4, 7, TILE_FLOOR);
  Put(after, 6, 7, TILE_CRATE_ON_TARGET);
  Put(after, 10, 3, TILE_FLOOR);
  Put(after, 17, 7, TILE_FLOOR);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "figure 18 7\nmoves 18\nsolved yes\n" + ExpectedBoard(after));
}

TEST(LeveltoolPlay, UndoTakesBackThePushAndCountsDown) {
  ScratchDir dir;
  ASSERT_TRUE(WriteUserLevel(dir / "a.sda", SampleLevel()));
  EXPECT_EQ(Leveltool({"play", dir / "a.sda", "1", "RRZ"}).out,
            "figure 3 7\nmoves 1\nsolved no\n" + ExpectedBoard(SampleLevel()));
}

// A pushed slider keeps going until the wall; the output shows it at rest.
TEST(LeveltoolPlay, WaitsForASliderToComeToRest) {
  ScratchDir dir;
  LevelRecord level = SampleLevel();
  Put(level, 4, 7, TILE_SLIDER);
  ASSERT_TRUE(WriteUserLevel(dir / "a.sda", level));
  const ToolRun run = Leveltool({"play", dir / "a.sda", "1", "RR"});
  Put(level, 4, 7, TILE_FLOOR);
  Put(level, 16, 7, TILE_SLIDER);
  EXPECT_EQ(run.out, "figure 4 7\nmoves 2\nsolved no\n" + ExpectedBoard(level));
}

// The same level written as a user level, inside a pack and inside a
// worlds file plays the same.
TEST(LeveltoolPlay, EveryFileKindWrittenAndReadBackPlaysAlike) {
  ScratchDir dir;
  LevelRecord level = SampleLevel();
  Put(level, 8, 9, TILE_SLIDER);
  Put(level, 12, 12, TILE_WATER);
  ASSERT_TRUE(WriteUserLevel(dir / "a.sda", level));
  ASSERT_TRUE(WriteExtraWorld(dir / "p.sde", {{"x", "y", "z"}}, {SampleLevel(), level}));
  WriteBytes(dir / "LEVEL.DAT", "3\n" + LevelRecordText(SampleLevel(), LineOneEnd::Editor) +
                                    LevelRecordText(level, LineOneEnd::Builder) +
                                    LevelRecordText(SampleLevel(), LineOneEnd::Editor));
  const std::string moves = "RRDDRRRRRRUUZDLLLLRRRRRRRUUU";
  const ToolRun user = Leveltool({"play", dir / "a.sda", "1", moves});
  EXPECT_EQ(user.exitCode, 0);
  EXPECT_EQ(Leveltool({"play", dir / "p.sde", "2", moves}).out, user.out);
  EXPECT_EQ(Leveltool({"play", dir / "LEVEL.DAT", "2", moves}).out, user.out);
  EXPECT_NE(user.out, Leveltool({"play", dir / "a.sda", "1", ""}).out);
}

TEST(Leveltool, WrongArgumentsShowTheUsage) {
  EXPECT_EQ(Leveltool({}).exitCode, 2);
  const ToolRun unknown = Leveltool({"fly"});
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_NE(unknown.err.find("leveltool play DATEI LEVEL ZÜGE"), std::string::npos);
  EXPECT_EQ(Leveltool({"play", "x.sda", "1"}).exitCode, 2);
}

}  // namespace
}  // namespace lorvix
