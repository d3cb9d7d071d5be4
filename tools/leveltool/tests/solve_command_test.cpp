// leveltool solve and check: the text printed, the exit codes, the file
// kinds, and refusing bad arguments.

#include <gtest/gtest.h>

#include <vector>

#include "levels/level_files.h"
#include "levels/tests/scratch_dir.h"
#include "tools/leveltool/command.h"
#include "tools/solver/solver.h"
#include "tools/solver/tests/level_sketch.h"
#include "tools/leveltool/tests/tool_run.h"

namespace lorvix {
namespace {

using solver::SketchLevel;
using testing::ScratchDir;

using testing::Leveltool;
using testing::ToolRun;

LevelRecord TenMoveLevel() {
  return SketchLevel({"##########", "#@.c.o..DX#", "#........##", "###########"});
}

LevelRecord StuckLevel() { return SketchLevel({"######", "#c@.o#", "#...D#", "####X#"}); }

TEST(LeveltoolSolve, PrintsTheKeysAndTheMoveCount) {
  ScratchDir dir;
  ASSERT_TRUE(WriteUserLevel(dir / "a.SDA", TenMoveLevel()));
  const ToolRun run = Leveltool({"solve", dir / "a.SDA", "1"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "RRRDRRRRUR\nmoves 10\n");
}

// The tool prints what the solver library answers, and check agrees on
// the number of moves.
TEST(LeveltoolSolve, AnswersLikeTheSolverLibrary) {
  const std::vector<LevelRecord> levels{
      TenMoveLevel(),
      SketchLevel({"#########", "#@s..1###", "#.......#", "#1..J##j#", "#######D#", "#######X#"}),
      SketchLevel({"########", "#@p.w.o#", "#.p..c.#", "#...o..#", "####D###", "####X###"}),
  };
  ScratchDir dir;
  ASSERT_TRUE(WriteExtraWorld(dir / "pack.sde", {}, levels));
  const ToolRun check = Leveltool({"check", dir / "pack.sde"});
  for (size_t i = 0; i < levels.size(); ++i) {
    const solver::SolveResult expected = solver::Solve(levels[i]);
    ASSERT_EQ(expected.status, solver::SolveStatus::Solved);
    const ToolRun run = Leveltool({"solve", dir / "pack.sde", std::to_string(i + 1)});
    EXPECT_EQ(run.out, expected.keys + "\nmoves " + std::to_string(expected.moves) + "\n");
    EXPECT_NE(check.out.find("level " + std::to_string(i + 1) + ": ", 0), std::string::npos);
    EXPECT_NE(check.out.find("; moves " + std::to_string(expected.moves) + "; "), std::string::npos);
  }
}

TEST(LeveltoolSolve, TellsUnsolvableFromGivingUp) {
  ScratchDir dir;
  ASSERT_TRUE(WriteExtraWorld(dir / "pack.sde", {}, {TenMoveLevel(), StuckLevel()}));
  const ToolRun stuck = Leveltool({"solve", dir / "pack.sde", "2"});
  EXPECT_EQ(stuck.exitCode, 1);
  EXPECT_EQ(stuck.out, "unsolvable\n");

  const ToolRun limited = Leveltool({"solve", dir / "pack.sde", "1", "--limit", "3"});
  EXPECT_EQ(limited.exitCode, 1);
  EXPECT_EQ(limited.out, "gave up after 3 states\n");
}

TEST(LeveltoolSolve, RefusesBadArguments) {
  ScratchDir dir;
  ASSERT_TRUE(WriteUserLevel(dir / "a.sda", TenMoveLevel()));
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"solve"},
           {"solve", dir / "a.sda"},
           {"solve", dir / "a.sda", "0"},
           {"solve", dir / "a.sda", "2"},
           {"solve", dir / "a.sda", "1", "--limit"},
           {"solve", dir / "a.sda", "1", "--limit", "x"},
           {"solve", dir / "a.sda", "1", "--door-limit", "5"},
           {"solve", dir / "missing.sda", "1"},
       }) {
    const ToolRun run = Leveltool(args);
    EXPECT_EQ(run.exitCode, 2) << args.back();
    EXPECT_TRUE(run.out.empty());
    EXPECT_FALSE(run.err.empty());
  }
}

TEST(LeveltoolCheck, PrintsOneLinePerLevelAndFailsOnAnyFault) {
  ScratchDir dir;
  std::ostringstream worlds;
  worlds << "2\n";
  WriteLevelRecord(worlds, TenMoveLevel(), LineOneEnd::Editor);
  WriteLevelRecord(worlds, StuckLevel(), LineOneEnd::Editor);
  testing::WriteBytes(dir / "LEVEL.DAT", worlds.str());

  const ToolRun run = Leveltool({"check", dir / "LEVEL.DAT"});
  EXPECT_EQ(run.exitCode, 1);
  std::istringstream lines(run.out);
  std::string first, second, summary;
  std::getline(lines, first);
  std::getline(lines, second);
  std::getline(lines, summary);
  EXPECT_EQ(first.rfind("level 1: crates 1, sliders 0, plugs 0; no mechanics; moves 10; ", 0), 0u) << first;
  EXPECT_EQ(second, "level 2: crates 1, sliders 0, plugs 0; no mechanics; FAILED: not solvable");
  EXPECT_EQ(summary, "2 levels, 1 failed");
}

TEST(LeveltoolCheck, PassesAGoodUserLevel) {
  ScratchDir dir;
  ASSERT_TRUE(WriteUserLevel(dir / "good.sda", TenMoveLevel()));
  const ToolRun run = Leveltool({"check", dir / "good.sda", "--limit", "1000", "--door-limit", "1000"});
  EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("1 level, 0 failed"), std::string::npos);
  EXPECT_EQ(Leveltool({"check", dir / "good.sda", "1"}).exitCode, 2);
}

}  // namespace
}  // namespace lorvix
