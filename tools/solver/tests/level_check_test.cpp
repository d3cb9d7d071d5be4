// The level checker: one good level passes with its contents counted, and
// each kind of fault is caught on an otherwise good level.

#include <gtest/gtest.h>

#include "tools/solver/level_check.h"
#include "tools/solver/tests/level_sketch.h"

namespace lorvix::solver {
namespace {

LevelRecord GoodLevel() {
  return SketchLevel({"##########",
                      "#@cJ######",
                      "#...jDX###",
                      "#.1..w#1##",
                      "##########"});
}

// The faults of the level, joined, for readable failure messages.
std::string Faults(const LevelReport& report) {
  std::string text;
  for (const LevelFault& fault : report.faults) text += fault.text + "; ";
  return text;
}

TEST(LevelCheck, PassesAGoodLevelAndCountsWhatItUses) {
  const LevelReport report = CheckLevel(GoodLevel());
  EXPECT_TRUE(report.Passed()) << Faults(report);
  EXPECT_TRUE(report.warnings.empty());
  EXPECT_EQ(report.solution.moves, 6);
  EXPECT_EQ(report.contents.crates, 1);
  EXPECT_EQ(report.contents.sliders, 0);
  EXPECT_TRUE(report.contents.water);
  EXPECT_TRUE(report.contents.keysAndDoors);
  EXPECT_TRUE(report.contents.teleporters);
}

TEST(LevelCheck, CatchesRecordedSquaresThatAreMissingOrWrong) {
  LevelRecord noStart = GoodLevel();
  noStart.Start = {NOT_PLACED, NOT_PLACED};
  const LevelReport startReport = CheckLevel(noStart);
  EXPECT_FALSE(startReport.Passed());
  EXPECT_FALSE(startReport.searched);
  EXPECT_NE(Faults(startReport).find("start"), std::string::npos);

  LevelRecord exitOff = GoodLevel();
  exitOff.Exit = {20, 3};
  EXPECT_NE(Faults(CheckLevel(exitOff)).find("exit not placed"), std::string::npos);

  LevelRecord doorOff = GoodLevel();
  doorOff.ExitDoor = {-1, 2};
  EXPECT_NE(Faults(CheckLevel(doorOff)).find("door to the exit not placed"), std::string::npos);

  LevelRecord doorOnFloor = GoodLevel();
  doorOnFloor.Board[CellIndex(5, 2)] = TILE_FLOOR;
  EXPECT_NE(Faults(CheckLevel(doorOnFloor)).find("door to the exit is not a wall"), std::string::npos);

  LevelRecord keyOff = GoodLevel();
  keyOff.KeySquares[1] = {3, 15};
  EXPECT_NE(Faults(CheckLevel(keyOff)).find("key/door pair 2: key outside"), std::string::npos);
  LevelRecord doorOfPairOff = GoodLevel();
  doorOfPairOff.DoorSquares[0] = {25, 1};
  EXPECT_NE(Faults(CheckLevel(doorOfPairOff)).find("key/door pair 1: door outside"), std::string::npos);
}

TEST(LevelCheck, CatchesTeleportersThatAreNotPairs) {
  LevelRecord single = GoodLevel();
  single.Board[CellIndex(7, 3)] = TILE_FLOOR;
  EXPECT_NE(Faults(CheckLevel(single)).find("teleporter code 50 on 1 square"), std::string::npos);

  LevelRecord triple = GoodLevel();
  triple.Board[CellIndex(4, 3)] = TILE_TELEPORT_BLUE;
  EXPECT_NE(Faults(CheckLevel(triple)).find("on 3 squares"), std::string::npos);
}

TEST(LevelCheck, CatchesAnExitReachableWithoutTheDoor) {
  LevelRecord bypass = GoodLevel();
  bypass.Board[CellIndex(6, 3)] = TILE_EXIT;  // next to the second pad
  bypass.Exit = {6, 3};
  const LevelReport report = CheckLevel(bypass);
  EXPECT_NE(Faults(report).find("exit reachable while the door to the exit is closed"), std::string::npos);
}

TEST(LevelCheck, CatchesAnUnsolvableLevel) {
  LevelRecord stuck = GoodLevel();
  stuck.Board[CellIndex(3, 1)] = TILE_FLOOR;  // the only socket is gone
  stuck.KeySquares[0] = {};
  EXPECT_NE(Faults(CheckLevel(stuck)).find("not solvable"), std::string::npos);
}

std::vector<FaultKind> Kinds(const std::vector<LevelFault>& faults) {
  std::vector<FaultKind> kinds;
  for (const LevelFault& fault : faults) kinds.push_back(fault.kind);
  return kinds;
}

// The stages in order: the record (a lone pad walled in), the exit behind
// its door (reachable beside a pad), the solution.
TEST(LevelCheck, TellsFaultsApartAndCanStopAtTheFirstFaultyStage) {
  LevelRecord bypass = GoodLevel();
  bypass.Board[CellIndex(6, 3)] = TILE_EXIT;
  bypass.Exit = {6, 3};
  LevelCheckOptions options;
  options.stopAtFault = true;
  const LevelReport shortcut = CheckLevel(bypass, options);
  EXPECT_EQ(Kinds(shortcut.faults), std::vector{FaultKind::ExitReachableWithDoorClosed});
  EXPECT_FALSE(shortcut.closedDoor.keys.empty());
  EXPECT_EQ(shortcut.solution.explored, 0u) << "not solved once a fault is known";

  LevelRecord lonePad = bypass;
  lonePad.Board[CellIndex(15, 10)] = TILE_TELEPORT_GREEN;
  const LevelReport stopped = CheckLevel(lonePad, options);
  ASSERT_EQ(Kinds(stopped.faults), std::vector{FaultKind::TeleporterNotPaired});
  EXPECT_EQ(stopped.faults[0].code, TILE_TELEPORT_GREEN);
  EXPECT_EQ(stopped.faults[0].count, 1);
  EXPECT_EQ(stopped.closedDoor.explored, 0u);
  EXPECT_EQ(Kinds(CheckLevel(lonePad).faults),
            (std::vector{FaultKind::TeleporterNotPaired, FaultKind::ExitReachableWithDoorClosed}))
      << "every stage without stopAtFault";
}

TEST(LevelCheck, ACancelledSearchEndsTheCheck) {
  const std::atomic<bool> cancel{true};
  SolveProgress progress;
  LevelCheckOptions options;
  options.cancel = &cancel;
  options.progress = &progress;
  const LevelReport report = CheckLevel(OpenCrateRoom(), options);
  EXPECT_EQ(Kinds(report.faults), std::vector{FaultKind::Cancelled});
  EXPECT_EQ(progress.explored.load(), REPORT_INTERVAL);
}

TEST(LevelCheck, WarnsWhenTheClosedDoorSearchRunsOutOfStates) {
  // A key door beside the exit keeps the quick proof from sealing it (its
  // key lies out of reach), so the checker has to search.
  const LevelRecord keyDoorBesideExit = SketchLevel({"#######",
                                                     "#@..DX#",
                                                     "#.c.oj#",
                                                     "#####J#"});
  LevelCheckOptions options;
  options.closedDoorLimit = 2;
  const LevelReport report = CheckLevel(keyDoorBesideExit, options);
  EXPECT_TRUE(report.Passed()) << Faults(report);
  ASSERT_EQ(report.warnings.size(), 1u);
  EXPECT_EQ(report.warnings[0].kind, FaultKind::ExitDoorUndecided);
  EXPECT_NE(report.warnings[0].text.find("gave up after 2 states"), std::string::npos);
}

}  // namespace
}  // namespace lorvix::solver
