// The shipped levels are regression tests for the rules: every level's
// stored fewest-moves solution must still lead the figure onto the exit,
// with exactly as many counted moves as it has letters.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "levels/level_source.h"
#include "levels/play_session.h"

namespace lorvix {
namespace {

std::vector<std::string> WorldSources() {
  std::vector<std::string> paths;
  for (const auto& entry : std::filesystem::directory_iterator(LORVIX_LEVEL_SOURCE_DIR)) {
    std::string name = entry.path().filename().string();
    if (name.rfind("world", 0) == 0 && entry.path().extension() == ".txt")
      paths.push_back(entry.path().string());
  }
  std::sort(paths.begin(), paths.end());
  return paths;
}

// The game counts on ten worlds of ten levels each.
TEST(ShippedLevels, TenWorldsOfTenLevels) {
  const std::vector<std::string> worlds = WorldSources();
  ASSERT_EQ(worlds.size(), 10u);
  for (const std::string& world : worlds) {
    std::vector<SourceLevel> levels;
    std::string error;
    ASSERT_TRUE(ParseLevelSourceFiles({world}, levels, error)) << error;
    EXPECT_EQ(levels.size(), 10u) << world;
  }
}

TEST(ShippedLevels, EveryStoredSolutionReachesTheExitWithItsMoveCount) {
  std::vector<SourceLevel> levels;
  std::string error;
  ASSERT_TRUE(ParseLevelSourceFiles(WorldSources(), levels, error)) << error;
  ASSERT_FALSE(levels.empty());
  for (const SourceLevel& level : levels) {
    SCOPED_TRACE("level \"" + level.name + "\" at line " + std::to_string(level.line));
    ASSERT_FALSE(level.solution.empty());
    PlaySession session(level.record);
    ASSERT_TRUE(session.Play(level.solution));
    EXPECT_TRUE(session.Solved());
    EXPECT_EQ(session.State().MoveCount, static_cast<int>(level.solution.size()));
  }
}

}  // namespace
}  // namespace lorvix
