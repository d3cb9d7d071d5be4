// Where the record and solution files of each kind of level lie.

#include <gtest/gtest.h>

#include "levels/level_files.h"

namespace lorvix {
namespace {

TEST(LevelPaths, ExtraWorldFilesReplaceTheExtension) {
  EXPECT_EQ(ExtraRecordsPathFor("D:\\x\\My.sde"), "D:\\x\\My.dat");
  EXPECT_EQ(ExtraSolutionPathFor("D:\\x\\My.sde", 7), "D:\\x\\My7.sco");
  EXPECT_EQ(ExtraRecordsPathFor("/home/anna/Levels/Pack.SDE"), "/home/anna/Levels/Pack.dat");
  EXPECT_EQ(ExtraSolutionPathFor("/home/anna/Levels/Pack.sde", 100), "/home/anna/Levels/Pack100.sco");
}

TEST(LevelPaths, PathsShorterThanAnExtensionDoNotBreak) {
  EXPECT_EQ(ExtraRecordsPathFor("ab"), ".dat");
  EXPECT_EQ(ExtraSolutionPathFor("", 1), "1.sco");
}

TEST(LevelPaths, SolutionsOfTheWorldsFileAndUserLevelsLieInTheProgramDirectory) {
  EXPECT_EQ(WorldSolutionPathFor("/opt/lorvix/", 12), "/opt/lorvix/Solve12.sco");
  EXPECT_EQ(WorldSolutionPathFor("/opt/lorvix", 1), "/opt/lorvix/Solve1.sco");
  EXPECT_EQ(UserLevelSolutionPathFor("/opt/lorvix/"), "/opt/lorvix/Editorloesung.sco");
  EXPECT_EQ(UserLevelSolutionPathFor(""), "Editorloesung.sco");
}

}  // namespace
}  // namespace lorvix
