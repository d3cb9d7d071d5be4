// Files with many levels: the worlds file and the extra world (level pack),
// and the single user level beside them.

#include <gtest/gtest.h>

#include <sstream>

#include "levels/level_files.h"
#include "levels/tests/sample_level.h"
#include "levels/tests/scratch_dir.h"

namespace lorvix {
namespace {

using testing::Put;
using testing::ReadBytes;
using testing::SampleLevel;
using testing::ScratchDir;
using testing::WriteBytes;

// Level n of a test file carries n in its top-left square.
LevelRecord Numbered(int n) {
  LevelRecord level = SampleLevel();
  Put(level, 0, 0, n);
  return level;
}

std::string WorldsText(int count, int records) {
  std::string text = std::to_string(count) + "\r\n";
  for (int n = 1; n <= records; ++n) text += LevelRecordText(Numbered(n), LineOneEnd::Editor);
  return text;
}

TEST(WorldsFile, ReadsTheWantedLevelAfterTheOnesBeforeIt) {
  ScratchDir dir;
  WriteBytes(dir / "LEVEL.DAT", WorldsText(55, 55));
  LevelRecord level;
  int32_t count = 0;
  EXPECT_TRUE(ReadWorldsFileLevel(dir / "LEVEL.DAT", 55, level, count));
  EXPECT_EQ(count, 55);
  EXPECT_EQ(level, Numbered(55));
  EXPECT_TRUE(ReadWorldsFileLevel(dir / "LEVEL.DAT", 1, level, count));
  EXPECT_EQ(level, Numbered(1));
}

TEST(WorldsFile, RefusesALevelBeyondTheCountWithoutTouchingTheLevel) {
  ScratchDir dir;
  WriteBytes(dir / "LEVEL.DAT", WorldsText(55, 55));
  LevelRecord level = Numbered(99);
  int32_t count = 0;
  EXPECT_EQ(ReadWorldsFile(dir / "LEVEL.DAT", 56, level, count), LevelReadResult::TooFewLevels);
  EXPECT_EQ(count, 55);
  EXPECT_EQ(level, Numbered(99));
  EXPECT_EQ(ReadWorldsFile(dir / "LEVEL.DAT", 0, level, count), LevelReadResult::TooFewLevels);
}

TEST(WorldsFile, TellsAMissingFileFromAShortOne) {
  ScratchDir dir;
  LevelRecord level;
  int32_t count = 7;
  EXPECT_EQ(ReadWorldsFile(dir / "LEVEL.DAT", 1, level, count), LevelReadResult::CannotOpen);
  EXPECT_EQ(count, 0);
  WriteBytes(dir / "empty", "");
  EXPECT_EQ(ReadWorldsFile(dir / "empty", 1, level, count), LevelReadResult::TooFewLevels);
}

TEST(WorldsFile, AHugeCountWithFewRecordsNeitherLoopsNorAllocates) {
  std::istringstream in("2000000000\n" + LevelRecordText(Numbered(1), LineOneEnd::Editor) + "5 5");
  LevelRecord level;
  int32_t count = 0;
  EXPECT_EQ(ReadWorldsFile(in, 1999999999, level, count), LevelReadResult::Ok);
  EXPECT_EQ(count, 2000000000);
  // Record 2 is cut short after two integers, which it overwrote.
  EXPECT_EQ(level.KeySquares[0], (Square{5, 5}));
  EXPECT_EQ(level.Board, Numbered(1).Board);
}

TEST(ExtraWorld, WrittenPackReadsBackLevelByLevel) {
  ScratchDir dir;
  ExtraWorldHeader header{{"Meine Welt", "", "viel Spaß"}};
  ASSERT_TRUE(WriteExtraWorld(dir / "Pack.sde", header, {Numbered(1), Numbered(2), Numbered(3)}));

  const std::string bytes = ReadBytes(dir / "Pack.sde");
  EXPECT_TRUE(bytes.starts_with("Meine Welt\r\n\r\nviel Spaß\r\n3\r\n6 7 10 3 0 0 "));
  EXPECT_EQ(bytes.substr(bytes.find("\r\n3\r\n") + 5), LevelRecordText(Numbered(1), LineOneEnd::Builder) +
                                                         LevelRecordText(Numbered(2), LineOneEnd::Builder) +
                                                         LevelRecordText(Numbered(3), LineOneEnd::Builder));

  ExtraWorldHeader read;
  ASSERT_TRUE(ReadExtraWorldHeader(dir / "Pack.sde", read));
  EXPECT_EQ(read.lines, header.lines);
  for (int n = 1; n <= 3; ++n) {
    LevelRecord level;
    int32_t count = 0;
    ASSERT_TRUE(ReadExtraWorldLevel(dir / "Pack.sde", n, level, count));
    EXPECT_EQ(count, 3);
    EXPECT_EQ(level, Numbered(n));
  }
}

TEST(ExtraWorld, CountZeroLeavesTheLevelAsItWas) {
  std::istringstream in("a\r\nb\r\nc\r\n0\r\n");
  LevelRecord level = Numbered(8);
  int32_t count = 5;
  ReadExtraWorldLevel(in, 1, level, count);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(level, Numbered(8));
}

TEST(ExtraWorld, LongLinesAreCutAndTheCountIsStillFoundOnLineFour) {
  std::string utf8;
  for (int i = 0; i < 400; ++i) utf8 += "ä";
  const std::string cp1252(5000, '\xE4');
  std::istringstream in(utf8 + "\n" + cp1252 + "\r\nkurz\n2\n" +
                        LevelRecordText(Numbered(1), LineOneEnd::Builder));
  ExtraWorldHeader header;
  ASSERT_TRUE(ReadExtraWorldHeader(in, header));
  std::string expected;
  for (int i = 0; i < EXTRA_WORLD_LINE_MAX; ++i) expected += "ä";
  EXPECT_EQ(header.lines[0], expected);
  EXPECT_EQ(header.lines[1], expected);
  EXPECT_EQ(header.lines[2], "kurz");

  in.clear();
  in.seekg(0);
  LevelRecord level;
  int32_t count = 0;
  ReadExtraWorldLevel(in, 1, level, count);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(level, Numbered(1));
}

TEST(ExtraWorld, WindowsTextLinesArriveAsUtf8) {
  std::istringstream in("Gr\xFC\xDF" "e\r\n\x80 5\r\n\r\n0\r\n");
  ExtraWorldHeader header;
  ASSERT_TRUE(ReadExtraWorldHeader(in, header));
  EXPECT_EQ(header.lines[0], "Grüße");
  EXPECT_EQ(header.lines[1], "€ 5");
  EXPECT_EQ(header.lines[2], "");
}

TEST(ExtraWorld, LineBreaksInsideATextAreWrittenAsBlanks) {
  ExtraWorldHeader header{{"eins\r\nzwei", "drei\n", "vier"}};
  const std::string text = ExtraWorldText(header, {});
  EXPECT_EQ(text, "eins  zwei\r\ndrei \r\nvier\r\n0\r\n");
}

TEST(ExtraWorld, TruncatedFileReadsWhatIsThere) {
  std::istringstream in("nur eine Zeile");
  ExtraWorldHeader header{{"x", "y", "z"}};
  EXPECT_TRUE(ReadExtraWorldHeader(in, header));
  EXPECT_EQ(header.lines[0], "nur eine Zeile");
  EXPECT_EQ(header.lines[1], "");
  LevelRecord level = Numbered(4);
  int32_t count = 9;
  EXPECT_FALSE(ReadExtraWorldLevel(std::string("/nonexistent/Pack.sde"), 1, level, count));
  EXPECT_EQ(level, Numbered(4));
}

TEST(UserLevel, EditorFileAndBuilderRecordLoadTheSameLevel) {
  ScratchDir dir;
  ASSERT_TRUE(WriteUserLevel(dir / "a.sda", SampleLevel()));
  EXPECT_EQ(ReadBytes(dir / "a.sda"), LevelRecordText(SampleLevel(), LineOneEnd::Editor));
  WriteBytes(dir / "b.sda", LevelRecordText(SampleLevel(), LineOneEnd::Builder));
  LevelRecord a, b;
  ASSERT_TRUE(ReadUserLevel(dir / "a.sda", a));
  ASSERT_TRUE(ReadUserLevel(dir / "b.sda", b));
  EXPECT_EQ(a, SampleLevel());
  EXPECT_EQ(b, SampleLevel());
  EXPECT_FALSE(ReadUserLevel(dir / "missing.sda", a));
}

}  // namespace
}  // namespace lorvix
