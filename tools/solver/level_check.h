#pragma once
// Checks one level before it ships: the recorded squares are placed and
// lie on the board, the door to the exit is a wall, teleporter pads come in
// pairs, the exit cannot be reached while the door to the exit stays shut,
// and the level can be solved (with the fewest moves it takes).

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "levels/level_files.h"
#include "tools/solver/solver.h"

namespace lorvix::solver {

struct LevelCheckOptions {
  size_t solveLimit = DEFAULT_STATE_LIMIT;
  // Proving that the exit stays out of reach means searching every
  // position, so this search gets a smaller budget of its own.
  size_t closedDoorLimit = 2'000'000;
  // Ends the check with the first of its stages that finds a fault (the
  // recorded squares, the exit behind its door, the solution) instead of
  // listing the faults of every stage.
  bool stopAtFault = false;
  // Handed to both searches: see SolveOptions.
  const std::atomic<bool>* cancel = nullptr;
  SolveProgress* progress = nullptr;
  std::function<void()> reported;
};

// What is wrong with a level, told apart for callers that word it in
// their own language.
enum class FaultKind {
  StartNotPlaced,     // not placed, or outside the board
  ExitNotPlaced,
  ExitDoorNotPlaced,
  ExitDoorNotWall,    // `code` is on its square
  TeleporterNotPaired,  // teleporter `code` lies on `count` squares
  KeyOutside,         // of key/door pair `pair` (0..4)
  DoorOutside,
  ExitReachableWithDoorClosed,  // the way: LevelReport::closedDoor.keys
  ExitDoorUndecided,  // a warning: the closed-door search gave up
  NotSolvable,
  GaveUp,             // the solving search reached its state limit
  Cancelled,          // either search was cancelled
  CannotSearch,       // the solver met what it does not know
};

struct LevelFault {
  FaultKind kind;
  std::string text;  // in English, as leveltool prints it
  int32_t code = 0;
  int count = 0;
  int pair = 0;
};

struct LevelContents {
  int crates = 0;
  int sliders = 0;
  int plugs = 0;
  bool water = false;
  bool keysAndDoors = false;
  bool teleporters = false;
};

struct LevelReport {
  LevelContents contents;
  std::vector<LevelFault> faults;    // each makes the level fail
  std::vector<LevelFault> warnings;  // worth a look, but the level passes
  bool searched = false;             // false when the level was too broken to search
  SolveResult closedDoor;            // the search with the door to the exit shut, if one ran
  SolveResult solution;
  bool Passed() const { return faults.empty(); }
};

LevelContents ContentsOf(const LevelRecord& level);
LevelReport CheckLevel(const LevelRecord& level, const LevelCheckOptions& options = {});

// Checks the levels on up to `threads` threads (0: one per processor) and
// hands each report to `done` on the calling thread, in the order of the
// levels, as soon as it and every report before it are ready.
void CheckLevels(const std::vector<LevelRecord>& levels, const LevelCheckOptions& options, unsigned threads,
                 const std::function<void(size_t index, const LevelReport& report)>& done);

}  // namespace lorvix::solver
