#pragma once
// Checks one level before it ships: the recorded squares are placed and
// lie on the board, the door to the exit is a wall, teleporter pads come in
// pairs, the exit cannot be reached while the door to the exit stays shut,
// and the level can be solved (with the fewest moves it takes).

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
  std::vector<std::string> faults;    // each makes the level fail
  std::vector<std::string> warnings;  // worth a look, but the level passes
  bool searched = false;              // false when the level was too broken to search
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
